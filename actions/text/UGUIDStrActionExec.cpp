// qpGUIDStr: not implemented yet; the dispatcher hands back false.
#include "actions/UActionExecs.h"

namespace qp {

bool GUIDStrActionExec(const std::string& /*arg1*/) {
  return false;
}

}  // namespace qp
