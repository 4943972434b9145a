// qpReboot: shuts down and starts the system again.
#include "actions/UActionExecs.h"
#include "actions/system/USystemUtilities.h"

namespace qp {

bool RebootActionExec(const std::string& optionWord, const std::string& resultVariable) {
  return EndSessionAction(SessionEnd::Reboot, optionWord, resultVariable);
}

}  // namespace qp
