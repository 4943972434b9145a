// qpMidStr: count bytes of the text from position start (counted from 1). A
// start that is not a valid integer reads as 0, that is from the beginning; a
// count that is not a valid integer takes everything to the end.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "core/UUtilities.h"

namespace qp {

bool MidStrActionExec(const std::string& text, const std::string& start, const std::string& count,
                      const std::string& resultName) {
  SetVariable(resultName, CutText(text, ReadCount(start, 0), ReadCount(count, static_cast<int64_t>(text.size()))));
  return true;
}

}  // namespace qp
