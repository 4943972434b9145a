// qpHideCursor: not implemented yet; the dispatcher hands back false.
#include "actions/UActionExecs.h"

namespace qp {

bool HideCursorActionExec() {
  return false;
}

}  // namespace qp
