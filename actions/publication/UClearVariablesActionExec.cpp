// qpClearVariables: clears publication variables by name or by prefix. The
// plug-in sees no list of the host's variables; it asks the host to save them
// into a temporary file and reads the names back from there, then clears each
// one with a DefineVar line followed by a ClearVariables line.
#include <windows.h>

#include <vector>

#include "actions/UActionExecs.h"
#include "actions/publication/UClearVariablesRules.h"
#include "core/UGlobals.h"
#include "core/UUtilities.h"

namespace qp {

namespace {

// DefineVar first, so that a variable the publication declared is cleared too.
void ClearOneVariable(const std::string& name) {
  RunHostLine(DefineVarLine(name));
  RunHostLine(ClearVariablesLine(name));
}

void DeleteIfPresent(const std::string& path) {
  if (FileExists(path)) DeleteFileA(path.c_str());
}

// Asks the host to save all variables into a new temporary file and reads its
// lines into saved. The file is deleted right after reading. A save that
// leaves no file leaves saved empty; a file that cannot be read is reported
// in LastError and leaves saved empty as well.
void LoadSavedVariables(std::vector<std::string>& saved, std::vector<std::string>& tempPaths) {
  const std::string path = TempFilePath("");
  tempPaths.push_back(path);
  RunHostLine(SaveVariablesLine(path));
  if (!FileExists(path)) return;
  std::string content;
  uint32_t errorCode = 0;
  if (ReadWholeFile(path, content, errorCode))
    saved = SplitLines(content);
  else
    ReportSystemError(errorCode);
  DeleteFileA(path.c_str());
}

}  // namespace

bool ClearVariablesActionExec(const std::string& list) {
  // Every step goes through host lines: without a line runner nothing can be
  // cleared.
  if (ScriptProcessor == nullptr) return true;

  std::vector<std::string> saved;      // the host's saved lines, read once per action
  std::vector<std::string> tempPaths;  // every temporary path handed to the host
  for (const ClearItem& item : ParseClearItems(list)) {
    if (!item.pattern) {
      ClearOneVariable(item.text);  // even an empty name
      continue;
    }
    if (saved.empty()) LoadSavedVariables(saved, tempPaths);
    // The list is not refreshed: later patterns match the same saved lines.
    for (const std::string& line : saved) {
      const std::string name = SavedVariableName(line);
      if (NameHasPrefix(name, item.prefix)) ClearOneVariable(name);
    }
  }
  // A host that writes its file late, or a file that could not be deleted
  // after reading: nothing of ours is left in the temporary folder.
  for (const std::string& path : tempPaths) DeleteIfPresent(path);
  return true;
}

}  // namespace qp
