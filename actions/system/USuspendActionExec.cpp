// qpSuspend: puts the machine into the suspend (sleep) state.
#include "actions/UActionExecs.h"
#include "actions/system/USystemUtilities.h"

namespace qp {

bool SuspendActionExec(const std::string& resultVariable) { return SuspendAction(false, resultVariable); }

}  // namespace qp
