// The library's entry point: keeps the module handle for the string table and
// touches nothing else.
#include <windows.h>

#include "core/UGlobals.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    qp::LibraryInstance = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}
