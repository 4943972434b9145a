// qpActiveShot: captures the foreground window into a bitmap file.
#include "actions/UActionExecs.h"
#include "actions/graphics/UShotsUtilities.h"
#include "core/UUtilities.h"

namespace qp {

bool ActiveShotActionExec(const std::string& fileName, const std::string& resultVar) {
  WriteCaptureOutcome(CaptureActiveWindow(fileName), resultVar);
  return true;
}

}  // namespace qp
