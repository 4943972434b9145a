#include "actions/dialogs/UDialogLayer.h"

#include <commdlg.h>
#include <ole2.h>
#include <shobjidl.h>

#include "actions/dialogs/UFontRules.h"
#include "actions/dialogs/UPicturePreview.h"
#include "core/UComRef.h"
#include "core/UUtilities.h"

namespace qp {

// ---- Modal scope ---------------------------------------------------------

namespace {

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM lParam) {
  auto* windows = reinterpret_cast<std::vector<HWND>*>(lParam);
  if (IsWindowVisible(window) && IsWindowEnabled(window)) windows->push_back(window);
  return TRUE;
}

}  // namespace

ModalDialogScope::ModalDialogScope() : active_(GetActiveWindow()) {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) {
    EnableWindow(window, FALSE);
    disabled_.push_back(window);
  }
}

ModalDialogScope::~ModalDialogScope() {
  for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it)
    if (IsWindow(*it)) EnableWindow(*it, TRUE);
  if (active_ != nullptr && IsWindow(active_)) SetActiveWindow(active_);
}

// ---- Small system facts ----------------------------------------------------

std::string DefaultDialogFace() {
  HKEY key = nullptr;
  std::string face;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes", 0,
                    KEY_READ, &key) == ERROR_SUCCESS) {
    char value[256] = {};
    DWORD type = 0;
    DWORD size = sizeof value - 1;
    if (RegQueryValueExA(key, "MS Shell Dlg 2", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
            ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ))
      face = BufferText(value, size);
    RegCloseKey(key);
  }
  return face.empty() ? std::string(kFallbackFace) : face;
}

COLORREF ColorToRgb(int32_t color) {
  const uint32_t bits = static_cast<uint32_t>(color);
  if ((bits & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(bits & 0xFF));
  return bits;
}

bool UseNewFileDialogs() {
  // The low byte of GetVersion is the major version.
  return (GetVersion() & 0xFF) >= 6;
}

// ---- File dialogs ------------------------------------------------------------

namespace {

constexpr size_t kSingleNameBuffer = MAX_PATH;
constexpr size_t kMultiNameBuffer = 65519;

bool IsOpenKind(FileDialogKind kind) { return kind == FileDialogKind::Open || kind == FileDialogKind::OpenPicture; }
bool IsPictureKind(FileDialogKind kind) {
  return kind == FileDialogKind::OpenPicture || kind == FileDialogKind::SavePicture;
}

// The properties every file dialog is given, in the order they are set.
struct FileDialogSetup {
  FileDialogKind kind;
  std::string title;
  std::string filter;
  std::string fileName;
  std::string defaultExt;
  std::string initialDir;
  uint32_t filterIndex = 1;
  FileDialogOptions options;
};

FileDialogSetup MakeSetup(FileDialogKind kind, const FileDialogArgs& args) {
  FileDialogSetup setup{kind, args.title, args.filter, args.fileName, args.defaultExt, InitialFolder(args.initialDir), 1, {}};
  int32_t index = 1;
  if (TryReadInteger(args.filterIndex, index)) setup.filterIndex = static_cast<uint32_t>(index);
  setup.options = ReadFileDialogOptions(kind, args.options);
  return setup;
}

// The hook of the classic dialogs that have no preview: lists every item the
// dialog asks about (OFN_ENABLEINCLUDENOTIFY) and otherwise lets the dialog
// do its own work.
UINT_PTR CALLBACK FileDialogHookProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_NOTIFY && lParam != 0 && reinterpret_cast<NMHDR*>(lParam)->code == CDN_INCLUDEITEM) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
  }
  return 0;
}

// GetOpenFileNameA / GetSaveFileNameA. True on OK, with the chosen paths.
bool RunClassicFileDialog(const FileDialogSetup& setup, HWND owner, std::vector<std::string>& paths) {
  const bool multi = setup.options.multiSelect;
  std::vector<char> names(multi ? kMultiNameBuffer : kSingleNameBuffer, '\0');
  setup.fileName.copy(names.data(), names.size() - 1);
  const std::string filter = ClassicFilter(setup.filter);

  PreviewState preview;
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = setup.filterIndex;
  ofn.lpstrFile = names.data();
  ofn.nMaxFile = static_cast<DWORD>(names.size());
  ofn.lpstrInitialDir = setup.initialDir.empty() ? nullptr : setup.initialDir.c_str();
  ofn.lpstrTitle = setup.title.empty() ? nullptr : setup.title.c_str();
  ofn.lpstrDefExt = setup.defaultExt.empty() ? nullptr : setup.defaultExt.c_str();
  ofn.Flags = setup.options.flags;
  ofn.FlagsEx = setup.options.flagsEx;
  ofn.lpfnHook = &FileDialogHookProc;
  if (IsPictureKind(setup.kind) && !setup.options.oldStyle) {
    // The preview panel: a child template of our own beside the file list.
    ofn.Flags |= kOfnEnableTemplateHandle;
    ofn.hInstance = PreviewTemplate();
    ofn.lpfnHook = &PreviewHookProc;
    ofn.lCustData = reinterpret_cast<LPARAM>(&preview);
  }

  const BOOL chosen = IsOpenKind(setup.kind) ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
  if (!chosen) return false;
  if (multi) {
    paths = SelectedPaths(std::string_view(names.data(), names.size()), (ofn.Flags & kOfnExplorer) != 0);
  } else {
    paths.push_back(BufferText(names.data(), names.size()));
  }
  return true;
}

std::string ItemPath(IShellItem* item) {
  if (item == nullptr) return std::string();
  wchar_t* name = nullptr;
  std::string path;
  if (SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, &name)) && name != nullptr) path = WideToAnsi(name);
  if (name != nullptr) CoTaskMemFree(name);
  return path;
}

// The shell item of a folder, or null. Looked up at run time so that the
// library still loads on systems that only have the classic dialogs.
IShellItem* FolderItem(const std::string& folder) {
  using CreateItem = HRESULT(WINAPI*)(PCWSTR, IBindCtx*, REFIID, void**);
  HMODULE shell = GetModuleHandleA("shell32.dll");
  if (shell == nullptr) return nullptr;
  auto create = reinterpret_cast<CreateItem>(GetProcAddress(shell, "SHCreateItemFromParsingName"));
  if (create == nullptr) return nullptr;
  IShellItem* item = nullptr;
  if (FAILED(create(AnsiToWide(folder).c_str(), nullptr, IID_IShellItem, reinterpret_cast<void**>(&item)))) return nullptr;
  return item;
}

enum class NewDialogOutcome { Chosen, Cancelled, Unavailable };

// IFileOpenDialog / IFileSaveDialog with the options' counterparts.
NewDialogOutcome RunNewFileDialog(const FileDialogSetup& setup, HWND owner, std::vector<std::string>& paths) {
  const bool open = IsOpenKind(setup.kind);
  IFileDialog* raw = nullptr;
  HRESULT hr = open ? CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                       reinterpret_cast<void**>(&raw))
                    : CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileSaveDialog,
                                       reinterpret_cast<void**>(&raw));
  if (FAILED(hr) || raw == nullptr) return NewDialogOutcome::Unavailable;
  ComRef<IFileDialog> dialog(raw);

  if (!setup.title.empty()) dialog->SetTitle(AnsiToWide(setup.title).c_str());
  const auto pairs = FilterPairs(setup.filter);
  if (!pairs.empty()) {
    std::vector<std::wstring> texts;
    for (const auto& pair : pairs) {
      texts.push_back(AnsiToWide(pair.first));
      texts.push_back(AnsiToWide(pair.second));
    }
    std::vector<COMDLG_FILTERSPEC> fileTypes;
    for (size_t i = 0; i < pairs.size(); ++i) fileTypes.push_back({texts[2 * i].c_str(), texts[2 * i + 1].c_str()});
    dialog->SetFileTypes(static_cast<UINT>(fileTypes.size()), fileTypes.data());
  }
  if (!setup.fileName.empty()) dialog->SetFileName(AnsiToWide(setup.fileName).c_str());
  if (!setup.defaultExt.empty()) dialog->SetDefaultExtension(AnsiToWide(setup.defaultExt).c_str());
  if (!setup.initialDir.empty()) {
    ComRef<IShellItem> folder(FolderItem(setup.initialDir));
    if (folder) dialog->SetFolder(folder.get());
  }
  if (!pairs.empty()) dialog->SetFileTypeIndex(setup.filterIndex);
  dialog->SetOptions(setup.options.newFlags);

  hr = dialog->Show(owner);
  if (FAILED(hr)) return NewDialogOutcome::Cancelled;

  if (open && setup.options.multiSelect) {
    IShellItemArray* rawItems = nullptr;
    if (FAILED(static_cast<IFileOpenDialog*>(dialog.get())->GetResults(&rawItems)) || rawItems == nullptr)
      return NewDialogOutcome::Cancelled;
    ComRef<IShellItemArray> items(rawItems);
    DWORD count = 0;
    if (FAILED(items->GetCount(&count))) count = 0;
    for (DWORD i = 0; i < count; ++i) {
      IShellItem* rawItem = nullptr;
      if (FAILED(items->GetItemAt(i, &rawItem)) || rawItem == nullptr) continue;
      ComRef<IShellItem> item(rawItem);
      paths.push_back(ItemPath(item.get()));
    }
  } else {
    IShellItem* rawItem = nullptr;
    if (FAILED(dialog->GetResult(&rawItem)) || rawItem == nullptr) return NewDialogOutcome::Cancelled;
    ComRef<IShellItem> item(rawItem);
    paths.push_back(ItemPath(item.get()));
  }
  return NewDialogOutcome::Chosen;
}

}  // namespace

void RunFileDialogAction(FileDialogKind kind, const FileDialogArgs& args, bool withOwner) {
  const FileDialogSetup setup = MakeSetup(kind, args);
  std::vector<std::string> paths;
  bool chosen = false;
  {
    ModalDialogScope scope;
    HWND owner = withOwner ? scope.ActiveWindow() : nullptr;
    NewDialogOutcome outcome = NewDialogOutcome::Unavailable;
    if (UseNewFileDialogs()) outcome = RunNewFileDialog(setup, owner, paths);
    // Without the newer dialog (no COM on the thread, for instance) the
    // classic one still lets the user choose.
    if (outcome == NewDialogOutcome::Unavailable)
      chosen = RunClassicFileDialog(setup, owner, paths);
    else
      chosen = outcome == NewDialogOutcome::Chosen;
  }
  if (!chosen) {
    SetVariable(args.resultVariable, kFalse);
  } else if (setup.options.multiSelect) {
    for (size_t i = 0; i < paths.size(); ++i) SetIndexedVariable(static_cast<int32_t>(i), args.resultVariable, paths[i]);
  } else {
    SetVariable(args.resultVariable, paths.empty() ? std::string() : paths.front());
  }
}

}  // namespace qp
