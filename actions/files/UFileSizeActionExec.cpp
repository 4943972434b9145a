// qpFileSize: the size in bytes of an existing file, all 64 bits of it.
#include <windows.h>

#include <cstdint>

#include "actions/UActionExecs.h"
#include "actions/files/UFileRules.h"
#include "core/UUtilities.h"

namespace qp {

bool FileSizeActionExec(const std::string& path, const std::string& resultVar) {
  if (!FileExists(path)) {
    ReportFileNotExists(path);
    SetVariable(resultVar, kFalse);
    return false;
  }
  WIN32_FIND_DATAA entry{};
  HANDLE search = FindFirstFileA(path.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) {
    ReportLastSystemError();
    SetVariable(resultVar, kFalse);
    return false;
  }
  FindClose(search);
  uint64_t size = (static_cast<uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
  SetVariable(resultVar, UInt64ToText(size));
  return true;
}

}  // namespace qp
