#pragma once
// The test host for the real qpUtilR.bxr: each test loads the library afresh
// (so its state is that of a new load), registers this host's callbacks and
// the line runner, and runs actions through bxExecAction.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "host/ImportHook.h"
#include "host/PluginHost.h"

namespace qptest {

// Full path of a file next to the test program (the build folder).
std::string BesideTests(const std::string& name);
inline std::string PluginPath() { return BesideTests("qpUtilR.bxr"); }

using Writes = std::vector<std::pair<std::string, std::string>>;

// The system's message for a code with its final line break and full stop
// removed, the form in which the plug-in writes it into LastError.
inline std::string ExpectedSystemText(DWORD code) {
  char buffer[256];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                           sizeof buffer, nullptr);
  if (n > sizeof buffer) n = 0;
  while (n > 0 && (static_cast<unsigned char>(buffer[n - 1]) <= 32 || buffer[n - 1] == '.')) --n;
  return std::string(buffer, n);
}

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(host.Load(PluginPath(), &error)) << error;
    host.RegisterPlugIn();
    host.RegisterScriptProcessor();
    host.ClearEvents();
  }
  void TearDown() override { EXPECT_EQ(host.StackFaults(), 0) << "an export or callback broke the convention"; }

  // Runs action index with args; expects the given return value.
  bool Exec(uint32_t index, const std::vector<std::string>& args) { return host.ExecAction(index, args); }

  // Hooks one import of the plug-in for the rest of the test.
  template <typename F>
  bxhost::ImportHook& Hook(const char* dll, const char* function, F replacement) {
    hooks_.emplace_back(new bxhost::ImportHook(host.Module(), dll, function, reinterpret_cast<void*>(replacement)));
    EXPECT_TRUE(hooks_.back()->Installed()) << dll << "!" << function << " is not imported";
    return *hooks_.back();
  }

  bxhost::PluginHost host;

 private:
  std::vector<std::unique_ptr<bxhost::ImportHook>> hooks_;
};

}  // namespace qptest
