// qpRightStr: the last count bytes of the text (a count that is not a valid
// integer takes the whole text).
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "core/UUtilities.h"

namespace qp {

bool RightStrActionExec(const std::string& text, const std::string& count, const std::string& resultName) {
  SetVariable(resultName, RightText(text, ReadCount(count, static_cast<int64_t>(text.size()))));
  return true;
}

}  // namespace qp
