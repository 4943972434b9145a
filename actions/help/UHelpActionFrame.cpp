#include "actions/help/UHelpActionFrame.h"

#include <windows.h>

#include "core/UUtilities.h"

namespace qp {

bool RunHelpAction(const std::string& helpFile, const std::string& detail, const std::string& resultVar,
                   HelpStep step) {
  bool result = true;
  if (!FileExists(helpFile)) {
    ReportFileNotExists(helpFile);
    result = false;
  } else if (!step(helpFile, detail)) {
    const DWORD code = GetLastError();  // what HTML Help left behind
    ReportSystemError(code);
    result = false;
  }
  SetVariable(resultVar, BoolText(result));
  return result;
}

}  // namespace qp
