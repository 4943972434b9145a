// qpHideCursor: lowers the system's cursor display counter by one. The cursor
// shows while the counter is 0 or more; the plug-in keeps no count of its own.
#include <windows.h>

#include "actions/UActionExecs.h"

namespace qp {

bool HideCursorActionExec() {
  ShowCursor(FALSE);
  return true;
}

}  // namespace qp
