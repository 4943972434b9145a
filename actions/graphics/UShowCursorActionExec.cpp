// qpShowCursor: not implemented yet; the dispatcher hands back false.
#include "actions/UActionExecs.h"

namespace qp {

bool ShowCursorActionExec() {
  return false;
}

}  // namespace qp
