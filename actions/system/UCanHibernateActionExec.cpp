// qpCanHibernate: tells whether the machine supports the hibernate state; always returns true.
#include "actions/UActionExecs.h"
#include "actions/system/USystemUtilities.h"

namespace qp {

bool CanHibernateActionExec(const std::string& resultVariable) {
  return PowerCapabilityAction(PowerCapability::Hibernate, resultVariable);
}

}  // namespace qp
