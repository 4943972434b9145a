// qpRestart: shuts down and starts the system again, with the applications registered for restart.
#include "actions/UActionExecs.h"
#include "actions/system/USystemUtilities.h"

namespace qp {

bool RestartActionExec(const std::string& optionWord, const std::string& resultVariable) {
  return EndSessionAction(SessionEnd::Restart, optionWord, resultVariable);
}

}  // namespace qp
