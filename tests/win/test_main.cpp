// Entry point of the DLL test suite. The host initialises COM on its thread
// before it drives the plug-in, and so does this test host.
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include "tests/win/PluginFixture.h"

namespace qptest {

std::string BesideTests(const std::string& name) {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n);
  dir = dir.substr(0, dir.find_last_of("\\/") + 1);
  return dir + name;
}

}  // namespace qptest

int main(int argc, char** argv) {
  OleInitialize(nullptr);
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  ::testing::InitGoogleTest(&argc, argv);
  int rc = RUN_ALL_TESTS();
  OleUninitialize();
  return rc;
}
