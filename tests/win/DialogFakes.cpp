// The fake newer file dialog of the dialog tests.
#include "tests/win/DialogFakes.h"

#include <cwchar>

namespace qptest {

int& LiveFakes() {
  static int live = 0;
  return live;
}

namespace {

wchar_t* TaskCopy(const std::wstring& text) {
  auto* copy = static_cast<wchar_t*>(CoTaskMemAlloc((text.size() + 1) * sizeof(wchar_t)));
  if (copy) std::wmemcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

template <typename Base>
class Counted : public Base {
 public:
  Counted() { ++LiveFakes(); }
  virtual ~Counted() { --LiveFakes(); }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  ULONG refs_ = 1;
};

class FakeItem : public Counted<IShellItem> {
 public:
  explicit FakeItem(std::wstring path) : path_(std::move(path)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IShellItem) {
      *out = static_cast<IShellItem*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE BindToHandler(IBindCtx*, REFGUID, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetParent(IShellItem**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetDisplayName(SIGDN kind, LPWSTR* name) override {
    if (kind != SIGDN_FILESYSPATH) return E_INVALIDARG;
    *name = TaskCopy(path_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetAttributes(SFGAOF, SFGAOF*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Compare(IShellItem*, SICHINTF, int*) override { return E_NOTIMPL; }

 private:
  std::wstring path_;
};

class FakeItems : public Counted<IShellItemArray> {
 public:
  explicit FakeItems(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IShellItemArray) {
      *out = static_cast<IShellItemArray*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE BindToHandler(IBindCtx*, REFGUID, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPropertyStore(GETPROPERTYSTOREFLAGS, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPropertyDescriptionList(REFPROPERTYKEY, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetAttributes(SIATTRIBFLAGS, SFGAOF, SFGAOF*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCount(DWORD* count) override {
    *count = static_cast<DWORD>(paths_.size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetItemAt(DWORD index, IShellItem** item) override {
    if (index >= paths_.size()) return E_INVALIDARG;
    *item = new FakeItem(paths_[index]);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnumItems(IEnumShellItems**) override { return E_NOTIMPL; }

 private:
  std::vector<std::wstring> paths_;
};

std::wstring Wide(LPCWSTR text) { return text ? std::wstring(text) : std::wstring(L"(null)"); }

// The methods of IFileDialog, shared by the open and the save fake.
#define QPT_FILE_DIALOG_METHODS                                                                          \
  HRESULT STDMETHODCALLTYPE Show(HWND owner) override {                                                  \
    script_->calls.push_back("Show");                                                                    \
    script_->owner = owner;                                                                              \
    if (script_->onShow) script_->onShow();                                                              \
    return script_->showResult;                                                                          \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE SetFileTypes(UINT count, const COMDLG_FILTERSPEC* types) override {          \
    script_->calls.push_back("SetFileTypes");                                                            \
    for (UINT i = 0; i < count; ++i) script_->fileTypes.emplace_back(Wide(types[i].pszName), Wide(types[i].pszSpec)); \
    return S_OK;                                                                                         \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE SetFileTypeIndex(UINT index) override {                                      \
    script_->calls.push_back("SetFileTypeIndex");                                                        \
    script_->fileTypeIndex = index;                                                                      \
    return S_OK;                                                                                         \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE GetFileTypeIndex(UINT* index) override {                                     \
    *index = script_->fileTypeIndex;                                                                     \
    return S_OK;                                                                                         \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE Advise(IFileDialogEvents*, DWORD*) override { return E_NOTIMPL; }            \
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }                               \
  HRESULT STDMETHODCALLTYPE SetOptions(FILEOPENDIALOGOPTIONS options) override {                         \
    script_->calls.push_back("SetOptions");                                                              \
    script_->options = options;                                                                          \
    script_->optionsSet = true;                                                                          \
    return S_OK;                                                                                         \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE GetOptions(FILEOPENDIALOGOPTIONS* options) override {                        \
    *options = script_->options;                                                                         \
    return S_OK;                                                                                         \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE SetDefaultFolder(IShellItem*) override { return S_OK; }                      \
  HRESULT STDMETHODCALLTYPE SetFolder(IShellItem* item) override {                                       \
    script_->calls.push_back("SetFolder");                                                               \
    LPWSTR name = nullptr;                                                                               \
    if (item && SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, &name))) {                             \
      script_->folder = name;                                                                            \
      CoTaskMemFree(name);                                                                               \
    }                                                                                                    \
    return S_OK;                                                                                         \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE GetFolder(IShellItem**) override { return E_NOTIMPL; }                       \
  HRESULT STDMETHODCALLTYPE GetCurrentSelection(IShellItem**) override { return E_NOTIMPL; }             \
  HRESULT STDMETHODCALLTYPE SetFileName(LPCWSTR name) override {                                         \
    script_->calls.push_back("SetFileName");                                                             \
    script_->fileName = Wide(name);                                                                      \
    return S_OK;                                                                                         \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE GetFileName(LPWSTR*) override { return E_NOTIMPL; }                          \
  HRESULT STDMETHODCALLTYPE SetTitle(LPCWSTR title) override {                                           \
    script_->calls.push_back("SetTitle");                                                                \
    script_->title = Wide(title);                                                                        \
    return S_OK;                                                                                         \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE SetOkButtonLabel(LPCWSTR) override { return S_OK; }                          \
  HRESULT STDMETHODCALLTYPE SetFileNameLabel(LPCWSTR) override { return S_OK; }                          \
  HRESULT STDMETHODCALLTYPE GetResult(IShellItem** item) override {                                      \
    script_->calls.push_back("GetResult");                                                               \
    if (script_->results.empty()) return E_UNEXPECTED;                                                   \
    *item = new FakeItem(script_->results.front());                                                      \
    return S_OK;                                                                                         \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE AddPlace(IShellItem*, FDAP) override { return S_OK; }                        \
  HRESULT STDMETHODCALLTYPE SetDefaultExtension(LPCWSTR ext) override {                                  \
    script_->calls.push_back("SetDefaultExtension");                                                     \
    script_->defaultExt = Wide(ext);                                                                     \
    return S_OK;                                                                                         \
  }                                                                                                      \
  HRESULT STDMETHODCALLTYPE Close(HRESULT) override { return S_OK; }                                     \
  HRESULT STDMETHODCALLTYPE SetClientGuid(REFGUID) override { return S_OK; }                             \
  HRESULT STDMETHODCALLTYPE ClearClientData() override { return S_OK; }                                  \
  HRESULT STDMETHODCALLTYPE SetFilter(IShellItemFilter*) override { return S_OK; }

class FakeOpenDialog : public Counted<IFileOpenDialog> {
 public:
  explicit FakeOpenDialog(FakeDialogScript* script) : script_(script) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IModalWindow || iid == IID_IFileDialog || iid == IID_IFileOpenDialog) {
      *out = static_cast<IFileOpenDialog*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  QPT_FILE_DIALOG_METHODS
  HRESULT STDMETHODCALLTYPE GetResults(IShellItemArray** items) override {
    script_->calls.push_back("GetResults");
    *items = new FakeItems(script_->results);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetSelectedItems(IShellItemArray**) override { return E_NOTIMPL; }

 private:
  FakeDialogScript* script_;
};

class FakeSaveDialog : public Counted<IFileSaveDialog> {
 public:
  explicit FakeSaveDialog(FakeDialogScript* script) : script_(script) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IModalWindow || iid == IID_IFileDialog || iid == IID_IFileSaveDialog) {
      *out = static_cast<IFileSaveDialog*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  QPT_FILE_DIALOG_METHODS
  HRESULT STDMETHODCALLTYPE SetSaveAsItem(IShellItem*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetProperties(IPropertyStore*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetCollectedProperties(IPropertyDescriptionList*, BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetProperties(IPropertyStore**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ApplyProperties(IShellItem*, IPropertyStore*, HWND, IFileOperationProgressSink*) override {
    return E_NOTIMPL;
  }

 private:
  FakeDialogScript* script_;
};

}  // namespace

IUnknown* NewFakeFileDialog(bool open, FakeDialogScript* script) {
  if (open) return static_cast<IFileOpenDialog*>(new FakeOpenDialog(script));
  return static_cast<IFileSaveDialog*>(new FakeSaveDialog(script));
}

}  // namespace qptest
