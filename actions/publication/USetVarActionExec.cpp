// qpSetVar: assigns several publication variables in one call, pairwise, all
// alike, or as numbered families (the plan is in USetVarRules).
#include <vector>

#include "actions/UActionExecs.h"
#include "actions/publication/USetVarRules.h"
#include "core/UStringIds.h"
#include "core/UUtilities.h"

namespace qp {

bool SetVarActionExec(const std::string& names, const std::string& values, const std::string& separator) {
  std::vector<SetVarWrite> writes;
  if (!PlanSetVar(names, values, separator, writes)) {
    ReportInvalidArguments(LoadText(IDS_ACTION_NAME_BASE + 20));  // "qpSetVar"
    return false;
  }
  for (const SetVarWrite& w : writes) {
    if (w.numbered)
      SetIndexedVariable(w.index, w.name, w.value);
    else
      SetVariable(w.name, w.value);
  }
  return true;
}

}  // namespace qp
