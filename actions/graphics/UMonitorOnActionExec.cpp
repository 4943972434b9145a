// qpMonitorOn: not implemented yet; the dispatcher hands back false.
#include "actions/UActionExecs.h"

namespace qp {

bool MonitorOnActionExec(const std::string& /*arg1*/) {
  return false;
}

}  // namespace qp
