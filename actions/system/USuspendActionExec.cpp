// qpSuspend: not implemented yet; the dispatcher hands back false.
#include "actions/UActionExecs.h"

namespace qp {

bool SuspendActionExec(const std::string& /*arg1*/) {
  return false;
}

}  // namespace qp
