#include "actions/files/UFilePathForms.h"

#include <vector>

#include "core/UUtilities.h"

namespace qp {

bool WritePathForm(PathFormCall convert, const std::string& path, const std::string& resultVar) {
  if (!FileExists(path)) {
    ReportFileNotExists(path);
    SetVariable(resultVar, kFalse);
    return false;
  }
  // A form that does not fit the first buffer is asked for again with a
  // buffer of the size the system named; a few rounds allow for the path
  // changing in between.
  std::vector<char> buffer(261, '\0');
  DWORD n = 0;
  for (int round = 0; round < 4; ++round) {
    n = convert(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0 || n < buffer.size()) break;
    buffer.assign(static_cast<size_t>(n) + 1, '\0');
  }
  if (n == 0) {
    ReportLastSystemError();
    SetVariable(resultVar, kFalse);
    return false;
  }
  if (n >= buffer.size()) {
    ReportSystemError(ERROR_INSUFFICIENT_BUFFER);
    SetVariable(resultVar, kFalse);
    return false;
  }
  SetVariable(resultVar, std::string(buffer.data()));  // up to the first zero byte
  return true;
}

}  // namespace qp
