// qpDupeStr: the text repeated count times (a count that is not a valid
// integer counts as 0). A result too long to hold (beyond a 32-bit signed
// length or the memory the system gives) is not built: LastError receives the
// system's out-of-memory text, then the result variable the empty text.
#include <windows.h>

#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "core/UUtilities.h"

namespace qp {

bool DupeStrActionExec(const std::string& text, const std::string& count, const std::string& resultName) {
  std::string result;
  if (!DupeText(text, ReadCount(count, 0), result)) ReportSystemError(ERROR_NOT_ENOUGH_MEMORY);
  SetVariable(resultName, result);
  return true;
}

}  // namespace qp
