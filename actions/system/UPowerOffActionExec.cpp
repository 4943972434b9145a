// qpPowerOff: shuts down and switches the power off, where the machine supports it.
#include "actions/UActionExecs.h"
#include "actions/system/USystemUtilities.h"

namespace qp {

bool PowerOffActionExec(const std::string& optionWord, const std::string& resultVariable) {
  return EndSessionAction(SessionEnd::PowerOff, optionWord, resultVariable);
}

}  // namespace qp
