// qpMonitorOn: sends the display power request (WM_SYSCOMMAND, SC_MONITORPOWER,
// power-on state -1, all bits set) to the host's active window, synchronously. "True" when
// the window procedure answered 0, otherwise "False"; always returns true.
#include <windows.h>

#include "actions/UActionExecs.h"
#include "core/UUtilities.h"

namespace qp {

bool MonitorOnActionExec(const std::string& resultVariable) {
  LRESULT answer = SendMessageA(GetActiveWindow(), WM_SYSCOMMAND, SC_MONITORPOWER, static_cast<LPARAM>(-1));
  SetVariable(resultVariable, BoolText(answer == 0));
  return true;
}

}  // namespace qp
