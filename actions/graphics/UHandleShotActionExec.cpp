// qpHandleShot: captures the window with the given handle into a bitmap file.
#include <windows.h>

#include <cstdint>

#include "actions/UActionExecs.h"
#include "actions/graphics/UShotsUtilities.h"
#include "core/UUtilities.h"

namespace qp {

bool HandleShotActionExec(const std::string& fileName, const std::string& handleText, const std::string& resultVar) {
  int32_t handle = 0;
  bool result;
  if (!TryReadInteger(handleText, handle)) {
    ReportInvalidArguments("qpHandleShot");
    result = false;
  } else {
    HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(static_cast<uint32_t>(handle)));
    result = CaptureWindow(window, fileName);
    if (!result) ReportLastSystemError();
  }
  SetVariable(resultVar, BoolText(result));
  return result;
}

}  // namespace qp
