// qpScreenShot: captures the whole screen into a bitmap file.
#include "actions/UActionExecs.h"
#include "actions/graphics/UShotsUtilities.h"
#include "core/UUtilities.h"

namespace qp {

bool ScreenShotActionExec(const std::string& fileName, const std::string& resultVar) {
  WriteCaptureOutcome(CaptureScreen(fileName), resultVar);
  return true;
}

}  // namespace qp
