// qpMonitorOff: sends the display power request (WM_SYSCOMMAND, SC_MONITORPOWER,
// low-power state 2) to the host's active window, synchronously. "True" when
// the window procedure answered 0, otherwise "False"; always returns true.
#include <windows.h>

#include "actions/UActionExecs.h"
#include "core/UUtilities.h"

namespace qp {

bool MonitorOffActionExec(const std::string& resultVariable) {
  LRESULT answer = SendMessageA(GetActiveWindow(), WM_SYSCOMMAND, SC_MONITORPOWER, static_cast<LPARAM>(2));
  SetVariable(resultVariable, BoolText(answer == 0));
  return true;
}

}  // namespace qp
