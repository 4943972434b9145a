// qpExecActions: runs every line of a file of action lines through the host,
// in file order.
#include <vector>

#include "actions/UActionExecs.h"
#include "core/UGlobals.h"
#include "core/UUtilities.h"

namespace qp {

bool ExecActionsActionExec(const std::string& path) {
  // Without a line runner there is nothing to hand the lines to.
  if (ScriptProcessor == nullptr) return true;
  // A missing file, a folder or a wildcard path runs nothing and is not
  // reported.
  if (!FileExists(path)) return true;

  // The file is read whole and closed before the first line runs, so lines
  // that change the file (or run it again) do not affect this run.
  std::string content;
  uint32_t errorCode = 0;
  if (!ReadWholeFile(path, content, errorCode)) {
    ReportSystemError(errorCode);
    return true;
  }

  // This run's own list: a line that leads the host back into this action
  // builds a list of its own.
  const std::vector<std::string> lines = SplitLines(content);
  content.clear();
  for (const std::string& line : lines) RunHostLine(line);
  return true;
}

}  // namespace qp
