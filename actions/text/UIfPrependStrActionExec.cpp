// qpIfPrependStr: the text with the prefix put in front unless it already
// begins with it (bytes compared exactly).
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "core/UUtilities.h"

namespace qp {

bool IfPrependStrActionExec(const std::string& text, const std::string& prefix, const std::string& resultName) {
  SetVariable(resultName, IfPrependText(text, prefix));
  return true;
}

}  // namespace qp
