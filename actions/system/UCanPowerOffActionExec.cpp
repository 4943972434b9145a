// qpCanPowerOff: tells whether the machine supports the power-off state; always returns true.
#include "actions/UActionExecs.h"
#include "actions/system/USystemUtilities.h"

namespace qp {

bool CanPowerOffActionExec(const std::string& resultVariable) {
  return PowerCapabilityAction(PowerCapability::PowerOff, resultVariable);
}

}  // namespace qp
