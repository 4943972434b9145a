// qpLogOff: ends the interactive session (no privilege needed).
#include "actions/UActionExecs.h"
#include "actions/system/USystemUtilities.h"

namespace qp {

bool LogOffActionExec(const std::string& optionWord, const std::string& resultVariable) {
  return EndSessionAction(SessionEnd::LogOff, optionWord, resultVariable);
}

}  // namespace qp
