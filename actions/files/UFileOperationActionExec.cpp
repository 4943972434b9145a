// qpFileOperation: copies, moves, renames or deletes files and folders
// through the shell, with the shell's own dialogs unless the options turn
// them off.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "actions/UActionExecs.h"
#include "actions/files/UFileRules.h"
#include "core/UUtilities.h"

namespace qp {

bool FileOperationActionExec(const std::string& operation, const std::string& sources, const std::string& destinations,
                             const std::string& progressTitle, const std::string& options,
                             const std::string& resultVar) {
  unsigned code = 0;
  if (!FileOperationCode(operation, code)) {
    ReportInvalidArguments("qpFileOperation");
    return true;
  }
  // The buffers live until the shell has returned.
  std::string fromBuffer, toBuffer;
  if (!IsBlank(sources)) fromBuffer = PathListBuffer(sources);
  if (!IsBlank(destinations)) toBuffer = PathListBuffer(destinations);

  SHFILEOPSTRUCTA op{};
  op.hwnd = GetActiveWindow();
  op.wFunc = code;
  op.pFrom = fromBuffer.empty() ? nullptr : fromBuffer.c_str();
  op.pTo = toBuffer.empty() ? nullptr : toBuffer.c_str();
  op.fFlags = FileOperationFlags(options);
  op.fAnyOperationsAborted = FALSE;
  op.hNameMappings = nullptr;
  op.lpszProgressTitle = progressTitle.c_str();

  int answer = SHFileOperationA(&op);
  DWORD error = GetLastError();
  if (answer != 0) {
    // The thread's last error describes the failure. A shell that fails
    // without leaving one would otherwise put the success message into
    // LastError; its own answer is the better description then.
    ReportSystemError(error != 0 ? error : static_cast<DWORD>(answer));
    SetVariable(resultVar, kFalse);
  } else {
    SetVariable(resultVar, op.fAnyOperationsAborted ? "Cancel" : kTrue);
  }
  return true;
}

}  // namespace qp
