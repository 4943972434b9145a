// qpShutdown: shuts down to the point where the power can safely be switched off.
#include "actions/UActionExecs.h"
#include "actions/system/USystemUtilities.h"

namespace qp {

bool ShutdownActionExec(const std::string& optionWord, const std::string& resultVariable) {
  return EndSessionAction(SessionEnd::Shutdown, optionWord, resultVariable);
}

}  // namespace qp
