// qpIfAppendStr: the text with the suffix added unless it already ends with
// it (bytes compared exactly).
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "core/UUtilities.h"

namespace qp {

bool IfAppendStrActionExec(const std::string& text, const std::string& suffix, const std::string& resultName) {
  SetVariable(resultName, IfAppendText(text, suffix));
  return true;
}

}  // namespace qp
