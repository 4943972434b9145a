// qpErrorMessage: the system's message text for a Windows error code.
#include "actions/UActionExecs.h"
#include "core/UUtilities.h"

namespace qp {

bool ErrorMessageActionExec(const std::string& errorCode, const std::string& resultVariable) {
  int32_t code = 0;
  if (!TryReadInteger(errorCode, code)) {
    ReportInvalidArguments("qpErrorMessage");
    SetVariable(resultVariable, kFalse);
    return false;
  }
  SetVariable(resultVariable, SystemErrorText(static_cast<uint32_t>(code)));
  return true;
}

}  // namespace qp
