#pragma once
// Replaces one entry of a loaded module's import address table, so that the
// module's calls of (dll, function) reach a test function instead, and puts
// the original back when the hook is destroyed.

#include <windows.h>

namespace bxhost {

class ImportHook {
 public:
  ImportHook(HMODULE module, const char* dll, const char* function, void* replacement);
  ~ImportHook();
  ImportHook(const ImportHook&) = delete;
  ImportHook& operator=(const ImportHook&) = delete;

  bool Installed() const { return slot_ != nullptr; }
  // The function the module imported before the hook.
  void* Original() const { return original_; }
  template <typename F>
  F OriginalAs() const {
    return reinterpret_cast<F>(original_);
  }

 private:
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

// The address of the import slot of (dll, function) in module, or null. The
// DLL name is compared without regard to letter case.
void** FindImportSlot(HMODULE module, const char* dll, const char* function);

}  // namespace bxhost
