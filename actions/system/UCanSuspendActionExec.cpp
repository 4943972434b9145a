// qpCanSuspend: tells whether the machine supports the suspend state; always returns true.
#include "actions/UActionExecs.h"
#include "actions/system/USystemUtilities.h"

namespace qp {

bool CanSuspendActionExec(const std::string& resultVariable) {
  return PowerCapabilityAction(PowerCapability::Suspend, resultVariable);
}

}  // namespace qp
