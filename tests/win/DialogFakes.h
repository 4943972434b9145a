#pragma once
// Stand-ins for the newer system file dialog and its shell items, for tests
// that answer the plug-in's CoCreateInstance themselves. Every object counts
// itself in LiveFakes() until its last reference is released.

#include <windows.h>
#include <shobjidl.h>

#include <functional>
#include <string>
#include <vector>

namespace qptest {

int& LiveFakes();

// What the plug-in set on the fake dialog, and what the fake answers.
struct FakeDialogScript {
  // Recorded.
  std::wstring title, fileName, defaultExt, folder;
  std::vector<std::pair<std::wstring, std::wstring>> fileTypes;
  UINT fileTypeIndex = 0;
  FILEOPENDIALOGOPTIONS options = 0;
  bool optionsSet = false;
  HWND owner = reinterpret_cast<HWND>(-1);
  std::vector<std::string> calls;  // method names in call order
  std::function<void()> onShow;    // runs inside Show
  // Answered.
  HRESULT showResult = S_OK;
  std::vector<std::wstring> results;  // GetResult answers the first
};

// A new fake dialog (reference count 1) for CLSID_FileOpenDialog or
// CLSID_FileSaveDialog, driven by script.
IUnknown* NewFakeFileDialog(bool open, FakeDialogScript* script);

}  // namespace qptest
