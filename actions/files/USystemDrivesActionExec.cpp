// qpSystemDrives: the roots of all drives, or of all drives of one type, as
// an indexed list plus the index of its last entry.
#include <windows.h>

#include <string>
#include <vector>

#include "actions/UActionExecs.h"
#include "actions/files/UFileRules.h"
#include "core/UUtilities.h"

namespace qp {

bool SystemDrivesActionExec(const std::string& typeWord, const std::string& listVar, const std::string& lastIndexVar) {
  bool all = false;
  unsigned wanted = 0;
  if (!SystemDrivesFilter(typeWord, all, wanted)) {
    ReportInvalidArguments("qpSystemDrives");
    return false;
  }
  std::vector<std::string> found;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    std::string root = DriveRoot(letter);
    UINT type = GetDriveTypeA(root.c_str());
    if (type == DRIVE_NO_ROOT_DIR) continue;
    if (!all && type != wanted) continue;
    found.push_back(root);
  }
  for (size_t i = 0; i < found.size(); ++i) SetIndexedVariable(static_cast<int32_t>(i), listVar, found[i]);
  if (!found.empty()) SetVariable(lastIndexVar, IntToText(static_cast<int32_t>(found.size()) - 1));
  return true;
}

}  // namespace qp
