// qpScreenShot: captures the whole screen into a bitmap file.
#include <windows.h>

#include "actions/UActionExecs.h"
#include "actions/graphics/UShotsUtilities.h"
#include "core/UUtilities.h"

namespace qp {

bool ScreenShotActionExec(const std::string& fileName, const std::string& resultVar) {
  if (CaptureScreen(fileName)) {
    SetVariable(resultVar, kTrue);
  } else {
    DWORD error = GetLastError();  // before the host sees the "False"
    SetVariable(resultVar, kFalse);
    ReportSystemError(error);
  }
  return true;
}

}  // namespace qp
