// qpShowCursor: raises the system's cursor display counter by one, undoing
// one earlier qpHideCursor. True is passed with all 32 bits set.
#include <windows.h>

#include "actions/UActionExecs.h"

namespace qp {

bool ShowCursorActionExec() {
  ShowCursor(static_cast<BOOL>(-1));
  return true;
}

}  // namespace qp
