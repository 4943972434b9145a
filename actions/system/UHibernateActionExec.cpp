// qpHibernate: puts the machine into the hibernate state.
#include "actions/UActionExecs.h"
#include "actions/system/USystemUtilities.h"

namespace qp {

bool HibernateActionExec(const std::string& resultVariable) { return SuspendAction(true, resultVariable); }

}  // namespace qp
