// qpDriveType: the type word of one drive.
#include <windows.h>

#include "actions/UActionExecs.h"
#include "actions/files/UFileRules.h"
#include "core/UUtilities.h"

namespace qp {

bool DriveTypeActionExec(const std::string& drive, const std::string& resultVar) {
  char letter = 0;
  if (!CleanDriveArgument(drive, letter)) {
    ReportInvalidArguments("qpDriveType");
    SetVariable(resultVar, kFalse);
    return false;
  }
  SetVariable(resultVar, DriveTypeWord(GetDriveTypeA(DriveRoot(letter).c_str())));
  return true;
}

}  // namespace qp
