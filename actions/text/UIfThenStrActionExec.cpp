// qpIfThenStr: the second argument when the value is exactly "True" or
// "Checked" (case and blanks count), else the third.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "core/UUtilities.h"

namespace qp {

bool IfThenStrActionExec(const std::string& value, const std::string& ifTrue, const std::string& ifFalse,
                         const std::string& resultName) {
  SetVariable(resultName, IfThenText(value, ifTrue, ifFalse));
  return true;
}

}  // namespace qp
