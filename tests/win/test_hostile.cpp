// Every action through the real DLL with hostile arguments: empty texts, a
// null argument list and null entries, blanks only, a megabyte of high bytes,
// numbers beyond the 32-bit range or at its edges, and separators only.
// Everything that could end the session, power the machine down, show a
// dialog, move files or switch the display is answered here with "cancel" or
// "failure" through the plug-in's import table, and recorded. Each call must
// return, follow the return-value and write conventions, call nothing
// destructive that its action does not own, and leave global memory balanced:
// every block the host hands over through GetVarProc freed exactly once, and
// every block the plug-in allocates itself freed before the call returns.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/win/PluginFixture.h"
#include "tests/win/TempFolder.h"

namespace qptest {
namespace {

// What is being run, for the report of a processor fault.
const char* g_setName = "";
uint32_t g_index = 0;

LONG CALLBACK ReportFault(EXCEPTION_POINTERS* info) {
  const DWORD code = info->ExceptionRecord->ExceptionCode;
  if (code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_STACK_OVERFLOW || code == EXCEPTION_ILLEGAL_INSTRUCTION ||
      code == EXCEPTION_INT_DIVIDE_BY_ZERO || code == EXCEPTION_ARRAY_BOUNDS_EXCEEDED) {
    std::fprintf(stderr, "processor fault 0x%08lx in action %u with the %s arguments\n", code, g_index, g_setName);
    std::fflush(stderr);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

// Calls of the answered functions, by function name, with the action index.
std::multimap<std::string, uint32_t> g_calls;
void Note(const char* function) { g_calls.emplace(function, g_index); }

BOOL WINAPI FakeExitWindowsEx(UINT, DWORD) {
  Note("ExitWindowsEx");
  SetLastError(ERROR_PRIVILEGE_NOT_HELD);
  return FALSE;
}
BOOLEAN WINAPI FakeSetSuspendState(BOOLEAN, BOOLEAN, BOOLEAN) {
  Note("SetSuspendState");
  SetLastError(ERROR_ACCESS_DENIED);
  return FALSE;
}
// Granting the privilege changes nothing here and lets the power actions go on
// to the calls answered above.
BOOL WINAPI FakeAdjustTokenPrivileges(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD) {
  Note("AdjustTokenPrivileges");
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}
decltype(&SendMessageA) g_realSendMessageA = nullptr;
LRESULT WINAPI FakeSendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_SYSCOMMAND) return g_realSendMessageA(window, message, wParam, lParam);
  Note("SendMessageA");
  return 0;
}
decltype(&PostMessageA) g_realPostMessageA = nullptr;
BOOL WINAPI FakePostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_SYSCOMMAND) return g_realPostMessageA(window, message, wParam, lParam);
  Note("PostMessageA");
  return TRUE;
}
int WINAPI FakeShowCursor(BOOL show) {
  Note("ShowCursor");
  return show ? 0 : -1;
}
HWND WINAPI FakeHtmlHelpA(HWND, LPCSTR, UINT, DWORD_PTR) {
  Note("HtmlHelpA");
  return nullptr;
}
int WINAPI FakeSHFileOperationA(LPSHFILEOPSTRUCTA operation) {
  Note("SHFileOperationA");
  if (operation) operation->fAnyOperationsAborted = TRUE;
  return 0;
}
BOOL WINAPI FakeChooseFontA(LPCHOOSEFONTA) {
  Note("ChooseFontA");
  return FALSE;
}
BOOL WINAPI FakeChooseColorA(LPCHOOSECOLORA) {
  Note("ChooseColorA");
  return FALSE;
}
BOOL WINAPI FakeGetOpenFileNameA(LPOPENFILENAMEA) {
  Note("GetOpenFileNameA");
  return FALSE;
}
BOOL WINAPI FakeGetSaveFileNameA(LPOPENFILENAMEA) {
  Note("GetSaveFileNameA");
  return FALSE;
}
HRESULT WINAPI FakeCoCreateInstance(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID* object) {
  Note("CoCreateInstance");
  if (object) *object = nullptr;
  return REGDB_E_CLASSNOTREG;
}

// The actions each answered function belongs to; a call from any other
// action is a fault.
const std::map<std::string, std::set<uint32_t>>& Owners() {
  static const std::map<std::string, std::set<uint32_t>> owners = {
      {"ExitWindowsEx", {38, 39, 40, 41, 42}},
      {"SetSuspendState", {43, 44}},
      {"AdjustTokenPrivileges", {38, 39, 40, 41, 42, 43, 44}},
      {"SendMessageA", {52, 53}},
      {"PostMessageA", {52, 53}},
      {"ShowCursor", {21, 22}},
      {"HtmlHelpA", {27, 28, 29, 30, 31}},
      {"SHFileOperationA", {56}},
      {"ChooseFontA", {32}},
      {"ChooseColorA", {33}},
      {"GetOpenFileNameA", {34, 36}},
      {"GetSaveFileNameA", {35, 37}},
      {"CoCreateInstance", {25, 34, 35, 36, 37}},
  };
  return owners;
}

// Global memory as the plug-in sees it.
decltype(&GlobalAlloc) g_realGlobalAlloc = nullptr;
decltype(&GlobalFree) g_realGlobalFree = nullptr;
std::set<HGLOBAL> g_ownBlocks;  // allocated by the plug-in and not yet freed
int g_otherFrees = 0;           // frees of blocks the plug-in did not allocate
int g_invalidFrees = 0;         // frees of something that is no block

HGLOBAL WINAPI CountingGlobalAlloc(UINT flags, SIZE_T bytes) {
  HGLOBAL block = g_realGlobalAlloc(flags, bytes);
  if (block) g_ownBlocks.insert(block);
  return block;
}
HGLOBAL WINAPI CountingGlobalFree(HGLOBAL block) {
  if (block == nullptr) return nullptr;
  if (g_ownBlocks.erase(block) == 0) {
    if (GlobalFlags(block) == GMEM_INVALID_HANDLE) {
      ++g_invalidFrees;
      return block;  // a second free of the same block: refused, not passed on
    }
    ++g_otherFrees;
  }
  return g_realGlobalFree(block);
}

// The actions that may return false; every other one always returns true.
bool MayReturnFalse(uint32_t index) {
  static const std::set<uint32_t> indexes = {20, 27, 28, 29, 30, 31, 38, 39, 40, 41, 42, 43, 44,
                                             48, 50, 54, 55, 58, 59, 60};
  return indexes.count(index) != 0;
}

enum class Shape { Texts, NullList, NullEntries };

struct ArgumentSet {
  const char* name;
  Shape shape;
  std::string text;  // every argument, and every variable the plug-in reads
  bool blank;        // every argument is blank, so are all result names
};

std::string HighBytes() {
  std::string s(1 << 20, '\0');
  for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<char>(0x80 + i % 128);
  return s;
}

const std::vector<ArgumentSet>& Sets() {
  static const std::vector<ArgumentSet> sets = {
      {"empty", Shape::Texts, "", true},
      {"null list", Shape::NullList, "", true},
      {"null entries", Shape::NullEntries, "", true},
      {"blanks", Shape::Texts, " \t\r\n \x01\x1f ", true},
      {"high bytes", Shape::Texts, HighBytes(), false},
      {"2147483648", Shape::Texts, "2147483648", false},
      {"-$80000000", Shape::Texts, "-$80000000", false},
      {"$FFFFFFFF", Shape::Texts, "$FFFFFFFF", false},
      {"2147483647", Shape::Texts, "2147483647", false},
      {"separators", Shape::Texts, "|||,,,::", false},
  };
  return sets;
}

bool IsBlankName(const std::string& name) {
  for (unsigned char c : name)
    if (c > 32) return false;
  return true;
}

class HostileTest : public PluginTest, public ::testing::WithParamInterface<size_t> {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    if (HasFatalFailure()) return;
    g_calls.clear();
    g_ownBlocks.clear();
    g_otherFrees = g_invalidFrees = 0;
    Answer("user32.dll", "ExitWindowsEx", &FakeExitWindowsEx);
    Answer("powrprof.dll", "SetSuspendState", &FakeSetSuspendState);
    Answer("advapi32.dll", "AdjustTokenPrivileges", &FakeAdjustTokenPrivileges);
    if (auto* hook = Answer("user32.dll", "SendMessageA", &FakeSendMessageA))
      g_realSendMessageA = hook->OriginalAs<decltype(&SendMessageA)>();
    if (auto* hook = Answer("user32.dll", "PostMessageA", &FakePostMessageA))
      g_realPostMessageA = hook->OriginalAs<decltype(&PostMessageA)>();
    Answer("user32.dll", "ShowCursor", &FakeShowCursor);
    Answer("hhctrl.ocx", "HtmlHelpA", &FakeHtmlHelpA);
    Answer("shell32.dll", "SHFileOperationA", &FakeSHFileOperationA);
    Answer("comdlg32.dll", "ChooseFontA", &FakeChooseFontA);
    Answer("comdlg32.dll", "ChooseColorA", &FakeChooseColorA);
    Answer("comdlg32.dll", "GetOpenFileNameA", &FakeGetOpenFileNameA);
    Answer("comdlg32.dll", "GetSaveFileNameA", &FakeGetSaveFileNameA);
    Answer("ole32.dll", "CoCreateInstance", &FakeCoCreateInstance);
    if (auto* hook = Answer("kernel32.dll", "GlobalAlloc", &CountingGlobalAlloc))
      g_realGlobalAlloc = hook->OriginalAs<decltype(&GlobalAlloc)>();
    auto* freeHook = Answer("kernel32.dll", "GlobalFree", &CountingGlobalFree);
    ASSERT_NE(freeHook, nullptr) << "the plug-in must free host strings with GlobalFree";
    g_realGlobalFree = freeHook->OriginalAs<decltype(&GlobalFree)>();
    if (!g_realGlobalAlloc) g_realGlobalAlloc = &GlobalAlloc;

    // Captures and shortcuts given relative names land here, not beside the tests.
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    previousFolder_ = previous;
    SetCurrentDirectoryA(folder_.Path().c_str());
    fault_ = AddVectoredExceptionHandler(1, &ReportFault);
  }

  void TearDown() override {
    if (fault_) RemoveVectoredExceptionHandler(fault_);
    SetCurrentDirectoryA(previousFolder_.c_str());
    hooks_.clear();
    PluginTest::TearDown();
  }

  // Hooks a function only where the plug-in imports it.
  template <typename F>
  bxhost::ImportHook* Answer(const char* dll, const char* function, F replacement) {
    auto hook = std::make_unique<bxhost::ImportHook>(host.Module(), dll, function, reinterpret_cast<void*>(replacement));
    if (!hook->Installed()) return nullptr;
    hooks_.push_back(std::move(hook));
    return hooks_.back().get();
  }

  TempFolder folder_;

 private:
  std::vector<std::unique_ptr<bxhost::ImportHook>> hooks_;
  std::string previousFolder_;
  PVOID fault_ = nullptr;
};

TEST_P(HostileTest, EveryActionKeepsTheConventions) {
  const ArgumentSet& set = Sets()[GetParam()];
  g_setName = set.name;
  // Every variable the plug-in reads holds the same hostile text, as a fresh
  // global-memory block; with the null shapes the host leaves it null.
  host.varReader = [&set](const std::string&, std::string& value) {
    if (set.shape != Shape::Texts) return false;
    value = set.text;
    return true;
  };

  std::map<uint32_t, int32_t> counts;
  for (const bxhost::Declaration& d : host.declarations)
    if (d.index > 0) counts[static_cast<uint32_t>(d.index)] = d.count;
  ASSERT_EQ(counts.size(), 60u);

  const std::vector<const char*> nulls(8, nullptr);
  for (uint32_t index = 1; index <= 60; ++index) {
    SCOPED_TRACE(testing::Message() << "action " << index << " with the " << set.name << " arguments");
    g_index = index;
    host.ClearEvents();
    const int givenBefore = host.blocksGiven;
    const int otherFreesBefore = g_otherFrees;
    const std::set<HGLOBAL> ownBefore = g_ownBlocks;

    bool result = false;
    switch (set.shape) {
      case Shape::Texts:
        result = host.ExecAction(index, std::vector<std::string>(static_cast<size_t>(counts[index]), set.text));
        break;
      case Shape::NullList:
        result = host.ExecActionRaw(index, nullptr);
        break;
      case Shape::NullEntries:
        result = host.ExecActionRaw(index, nulls.data());
        break;
    }

    if (!MayReturnFalse(index)) EXPECT_TRUE(result) << "this action always returns true";
    for (const auto& [name, value] : host.Writes()) {
      EXPECT_FALSE(IsBlankName(name)) << "a write reached the host under a blank name";
      if (set.blank) EXPECT_EQ(name, "LastError") << "with blank result names only LastError may be written";
    }
    EXPECT_EQ(g_otherFrees - otherFreesBefore, host.blocksGiven - givenBefore)
        << "every block from GetVarProc is freed exactly once, during the call";
    EXPECT_EQ(g_invalidFrees, 0) << "GlobalFree was called on something that is no block";
    EXPECT_EQ(g_ownBlocks, ownBefore) << "the plug-in kept a global-memory block of its own";
  }

  for (const auto& [function, index] : g_calls) {
    const auto& owners = Owners().at(function);
    EXPECT_TRUE(owners.count(index)) << function << " called by action " << index << " with the " << set.name
                                     << " arguments";
  }
  g_index = 0;
}

INSTANTIATE_TEST_SUITE_P(ArgumentSets, HostileTest, ::testing::Range<size_t>(0, 10),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                           std::string name;
                           for (char c : std::string(Sets()[info.param].name)) name += isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

}  // namespace
}  // namespace qptest
