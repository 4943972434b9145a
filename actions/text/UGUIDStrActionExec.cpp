// qpGUIDStr: a new GUID in registry form. When the system gives no GUID the
// all-zero one is written; when it cannot format it, the empty text.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "core/UUtilities.h"

namespace qp {

bool GUIDStrActionExec(const std::string& resultName) {
  SetVariable(resultName, NewGuidText());
  return true;
}

}  // namespace qp
