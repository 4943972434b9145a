// qpAddShortcut: writes a shell shortcut (.lnk) to an existing file or folder
// through the shell link object. COM is initialised by the host on its thread.
#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "actions/UActionExecs.h"
#include "actions/publication/UShortcutRules.h"
#include "core/UComRef.h"
#include "core/UUtilities.h"

namespace qp {

namespace {

const CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// "False" and the system text of the HRESULT's error code.
void ReportComFailure(const std::string& resultVar, HRESULT hr) {
  SetVariable(resultVar, kFalse);
  ReportSystemError(static_cast<uint32_t>(HRESULT_CODE(hr)));
}

}  // namespace

bool AddShortcutActionExec(const std::string& target, const std::string& arguments, const std::string& folder,
                           const std::string& name, const std::string& description, const std::string& resultVar) {
  if (!FileExists(target) && !DirectoryExists(target)) {
    SetVariable(resultVar, kFalse);
    ReportPathNotExists(target);
    return true;
  }

  ComRef<IUnknown> object;
  HRESULT hr = CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, kUnknown,
                                object.Out());
  if (FAILED(hr) || !object) {
    ReportComFailure(resultVar, FAILED(hr) ? hr : E_NOINTERFACE);
    return true;
  }
  ComRef<IShellLinkA> link;
  hr = object->QueryInterface(kShellLinkA, link.Out());
  if (FAILED(hr) || !link) {
    ReportComFailure(resultVar, FAILED(hr) ? hr : E_NOINTERFACE);
    return true;
  }
  ComRef<IPersistFile> file;
  hr = object->QueryInterface(kPersistFile, file.Out());
  if (FAILED(hr) || !file) {
    ReportComFailure(resultVar, FAILED(hr) ? hr : E_NOINTERFACE);
    return true;
  }

  // The setters' results are not examined: the file's presence decides.
  link->SetArguments(arguments.c_str());
  link->SetDescription(description.c_str());
  link->SetShowCmd(SW_SHOWNORMAL);
  link->SetPath(target.c_str());
  const std::string workingFolder = ShortcutTargetFolder(target);
  link->SetWorkingDirectory(workingFolder.c_str());

  const std::string shortcutPath = ShortcutFilePath(folder, name);
  file->Save(AnsiToWide(shortcutPath).c_str(), FALSE);

  if (FileExists(shortcutPath)) {
    SetVariable(resultVar, kTrue);
  } else {
    const DWORD code = GetLastError();
    SetVariable(resultVar, kFalse);
    ReportSystemError(code);
  }
  return true;
}

}  // namespace qp
