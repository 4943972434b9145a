// Session end, power, capability queries and the error-message action through
// the real DLL. Every call that could end the session or change the power
// state, and every token call, is replaced by a recorder: nothing here reaches
// the system except FormatMessageA.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/win/PluginFixture.h"

// Capability answers whose low byte decides while the upper bits of EAX hold
// garbage: a caller that reads more than the one-byte boolean gets them wrong.
asm(".text\n"
    ".globl _AnswerLowByteZero@0\n"
    "_AnswerLowByteZero@0:\n"
    "  movl $0x7FFFFF00, %eax\n"
    "  ret\n"
    ".globl _AnswerLowByteOne@0\n"
    "_AnswerLowByteOne@0:\n"
    "  movl $0xFFFFFF01, %eax\n"
    "  ret\n");
extern "C" BOOLEAN WINAPI AnswerLowByteZero();
extern "C" BOOLEAN WINAPI AnswerLowByteOne();

namespace qptest {
namespace {

const HANDLE kFakeToken = reinterpret_cast<HANDLE>(0x5A5A);
const LUID kFakeLuid = {0x12345678, 0x9A};

// The world the recorders play, and what they saw.
struct PowerWorld {
  // Answers.
  DWORD platformId = VER_PLATFORM_WIN32_NT;
  BOOL openOk = TRUE;
  DWORD openError = 0;
  BOOL lookupOk = TRUE;
  DWORD lookupError = 0;
  DWORD adjustError = 0;  // the code a successful AdjustTokenPrivileges leaves
  BOOL exitOk = TRUE;
  DWORD exitError = 0;
  BOOLEAN suspendOk = TRUE;
  DWORD suspendError = 0;
  BOOLEAN shutdownAllowed = TRUE, suspendAllowed = TRUE, hibernateAllowed = TRUE;

  // Records.
  std::vector<std::string> calls;
  DWORD versionSize = 0;
  HANDLE openProcess = nullptr;
  DWORD openAccess = 0;
  bool lookupSystemNull = false;
  std::string lookupName;
  HANDLE adjustToken = nullptr;
  BOOL disableAll = -1;
  TOKEN_PRIVILEGES request{};
  TOKEN_PRIVILEGES previousAtCall{};
  DWORD bufferLength = 0;
  bool previousIsOwnBuffer = false;
  bool returnLengthGiven = false;
  UINT exitFlags = 0xFFFFFFFF;
  DWORD exitReason = 0xFFFFFFFF;
  BOOLEAN suspendArgs[3] = {9, 9, 9};
};

PowerWorld g;
decltype(&CloseHandle) g_realCloseHandle = nullptr;

BOOL WINAPI RecordGetVersionExA(LPOSVERSIONINFOA info) {
  g.calls.push_back("version");
  g.versionSize = info->dwOSVersionInfoSize;
  info->dwMajorVersion = 6;
  info->dwPlatformId = g.platformId;
  return TRUE;
}

BOOL WINAPI RecordOpenProcessToken(HANDLE process, DWORD access, PHANDLE token) {
  g.calls.push_back("open");
  g.openProcess = process;
  g.openAccess = access;
  if (!g.openOk) {
    SetLastError(g.openError);
    return FALSE;
  }
  *token = kFakeToken;
  return TRUE;
}

BOOL WINAPI RecordLookupPrivilegeValueA(LPCSTR system, LPCSTR name, PLUID luid) {
  g.calls.push_back("lookup");
  g.lookupSystemNull = system == nullptr;
  g.lookupName = name ? name : "(null)";
  if (!g.lookupOk) {
    SetLastError(g.lookupError);
    return FALSE;
  }
  *luid = kFakeLuid;
  return TRUE;
}

BOOL WINAPI RecordAdjustTokenPrivileges(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES request, DWORD length,
                                        PTOKEN_PRIVILEGES previous, PDWORD returnLength) {
  g.calls.push_back("adjust");
  g.adjustToken = token;
  g.disableAll = disableAll;
  if (request) memcpy(&g.request, request, sizeof g.request);
  if (previous) memcpy(&g.previousAtCall, previous, sizeof g.previousAtCall);
  g.bufferLength = length;
  g.previousIsOwnBuffer = previous != nullptr && previous != request;
  g.returnLengthGiven = returnLength != nullptr;
  // The real call succeeds also when it could not assign the privilege, and
  // says so through the last-error code alone.
  SetLastError(g.adjustError);
  return TRUE;
}

BOOL WINAPI RecordCloseHandle(HANDLE h) {
  if (h != kFakeToken) return g_realCloseHandle(h);
  g.calls.push_back("close");
  return TRUE;
}

BOOL WINAPI RecordExitWindowsEx(UINT flags, DWORD reason) {
  g.calls.push_back("exit");
  g.exitFlags = flags;
  g.exitReason = reason;
  if (!g.exitOk) SetLastError(g.exitError);
  return g.exitOk;
}

BOOLEAN WINAPI RecordSetSuspendState(BOOLEAN hibernate, BOOLEAN forceCritical, BOOLEAN disableWakeEvent) {
  g.calls.push_back("suspend");
  g.suspendArgs[0] = hibernate;
  g.suspendArgs[1] = forceCritical;
  g.suspendArgs[2] = disableWakeEvent;
  if (!g.suspendOk) SetLastError(g.suspendError);
  return g.suspendOk;
}

BOOLEAN WINAPI RecordIsPwrShutdownAllowed() {
  g.calls.push_back("allowed power-off");
  return g.shutdownAllowed;
}
BOOLEAN WINAPI RecordIsPwrSuspendAllowed() {
  g.calls.push_back("allowed suspend");
  return g.suspendAllowed;
}
BOOLEAN WINAPI RecordIsPwrHibernateAllowed() {
  g.calls.push_back("allowed hibernate");
  return g.hibernateAllowed;
}

using Calls = std::vector<std::string>;
const Calls kTokenCalls = {"version", "open", "lookup", "adjust", "close"};

Calls Join(std::initializer_list<Calls> parts) {
  Calls all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

class SystemTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    g = PowerWorld();
    Hook("kernel32.dll", "GetVersionExA", &RecordGetVersionExA);
    g_realCloseHandle = Hook("kernel32.dll", "CloseHandle", &RecordCloseHandle).OriginalAs<decltype(&CloseHandle)>();
    Hook("advapi32.dll", "OpenProcessToken", &RecordOpenProcessToken);
    Hook("advapi32.dll", "LookupPrivilegeValueA", &RecordLookupPrivilegeValueA);
    Hook("advapi32.dll", "AdjustTokenPrivileges", &RecordAdjustTokenPrivileges);
    Hook("user32.dll", "ExitWindowsEx", &RecordExitWindowsEx);
    Hook("powrprof.dll", "SetSuspendState", &RecordSetSuspendState);
    Hook("powrprof.dll", "IsPwrShutdownAllowed", &RecordIsPwrShutdownAllowed);
    Hook("powrprof.dll", "IsPwrSuspendAllowed", &RecordIsPwrSuspendAllowed);
    Hook("powrprof.dll", "IsPwrHibernateAllowed", &RecordIsPwrHibernateAllowed);
  }
};

// The seven session-end and power actions, with the calls each makes before
// its final one on the way to success.
struct PowerAction {
  const char* name;
  uint32_t index;
  bool takesOption;
  Calls before;  // calls before ExitWindowsEx / SetSuspendState
  const char* final;
};

const std::vector<PowerAction>& PowerActions() {
  static const std::vector<PowerAction> actions = {
    {"qpLogOff", 38, true, {}, "exit"},
    {"qpPowerOff", 39, true, Join({{"allowed power-off"}, kTokenCalls}), "exit"},
    {"qpReboot", 40, true, kTokenCalls, "exit"},
    {"qpRestart", 41, true, kTokenCalls, "exit"},
    {"qpShutdown", 42, true, kTokenCalls, "exit"},
    {"qpSuspend", 43, false, kTokenCalls, "suspend"},
    {"qpHibernate", 44, false, kTokenCalls, "suspend"},
  };
  return actions;
}

std::vector<std::string> ArgsFor(const PowerAction& a, const std::string& result = "R") {
  if (a.takesOption) return {"", result};
  return {result};
}

TEST_F(SystemTest, ExitWindowsFlagsForEveryMemberAndOptionWord) {
  struct Case {
    uint32_t index;
    const char* option;
    UINT flags;
  };
  const Case cases[] = {
    {38, "", 0x00}, {38, "EWX_FORCE", 0x04}, {38, "EWX_FORCEIFHUNG", 0x10},
    {39, "", 0x08}, {39, "EWX_FORCE", 0x0C}, {39, "EWX_FORCEIFHUNG", 0x18},
    {40, "", 0x02}, {40, "EWX_FORCE", 0x06}, {40, "EWX_FORCEIFHUNG", 0x12},
    // A restart is EWX_REBOOT | EWX_RESTARTAPPS, never the power-off bit.
    {41, "", 0x42}, {41, "EWX_FORCE", 0x46}, {41, "EWX_FORCEIFHUNG", 0x52},
    {42, "", 0x01}, {42, "EWX_FORCE", 0x05}, {42, "EWX_FORCEIFHUNG", 0x11},
    // Option words compare exactly: case, blanks and extra characters count.
    {42, "ewx_force", 0x01}, {42, " EWX_FORCE", 0x01}, {42, "EWX_FORCE ", 0x01},
    {40, "EWX_FORCEIFHUNGX", 0x02}, {40, "EWX_", 0x02}, {38, "EWX_FORCEIFHUNG\t", 0x00},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.index) + " \"" + c.option + "\"");
    g = PowerWorld();
    host.ClearEvents();
    EXPECT_TRUE(Exec(c.index, {c.option, "R"}));
    EXPECT_EQ(g.exitFlags, c.flags);
    EXPECT_EQ(g.exitReason, 0u);
    EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}}));
  }
}

TEST_F(SystemTest, SuccessfulActionsMakeTheirCallsInOrderAndWriteTrue) {
  for (const PowerAction& a : PowerActions()) {
    SCOPED_TRACE(a.name);
    g = PowerWorld();
    host.variables["LastError"] = "earlier";
    host.ClearEvents();
    EXPECT_TRUE(Exec(a.index, ArgsFor(a)));
    EXPECT_EQ(g.calls, Join({a.before, {a.final}})) << "qpLogOff opens no token; nothing asks IsPwrSuspend/Hibernate";
    EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}}));
    EXPECT_EQ(host.Var("LastError"), "earlier");
  }
}

TEST_F(SystemTest, LogOffNeverOpensTheTokenWhateverTheOption) {
  for (const char* option : {"", "EWX_FORCE", "EWX_FORCEIFHUNG"}) {
    SCOPED_TRACE(option);
    g = PowerWorld();
    EXPECT_TRUE(Exec(38, {option, "R"}));
    EXPECT_EQ(g.calls, (Calls{"exit"}));
  }
}

TEST_F(SystemTest, PrivilegeRequestIsOneEnabledEntryOfSixteenBytes) {
  ASSERT_TRUE(Exec(40, {"", "R"}));
  EXPECT_EQ(g.versionSize, sizeof(OSVERSIONINFOA));
  EXPECT_EQ(g.openProcess, GetCurrentProcess());
  EXPECT_EQ(g.openAccess, 0x28u) << "TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY";
  EXPECT_TRUE(g.lookupSystemNull);
  EXPECT_EQ(g.lookupName, "SeShutdownPrivilege");
  EXPECT_EQ(g.adjustToken, kFakeToken);
  EXPECT_EQ(g.disableAll, FALSE);
  EXPECT_EQ(g.bufferLength, 16u);
  EXPECT_EQ(g.request.PrivilegeCount, 1u);
  EXPECT_EQ(g.request.Privileges[0].Luid.LowPart, kFakeLuid.LowPart);
  EXPECT_EQ(g.request.Privileges[0].Luid.HighPart, kFakeLuid.HighPart);
  EXPECT_EQ(g.request.Privileges[0].Attributes, static_cast<DWORD>(SE_PRIVILEGE_ENABLED));
  EXPECT_TRUE(g.previousIsOwnBuffer);
  EXPECT_EQ(memcmp(&g.previousAtCall, &g.request, 16), 0) << "the previous-state buffer starts as a copy";
  EXPECT_TRUE(g.returnLengthGiven);
}

// Each way enabling the privilege can fail stops the action before the
// system call, with LastError written first and then "False".
TEST_F(SystemTest, PrivilegeFailuresReportTheFailingStepsCodeAndStop) {
  struct Failure {
    const char* what;
    void (*arrange)();
    Calls tokenCalls;
    DWORD code;
  };
  const Failure failures[] = {
    {"token cannot be opened", [] { g.openOk = FALSE; g.openError = ERROR_ACCESS_DENIED; }, {"version", "open"}, 5},
    {"unknown privilege name", [] { g.lookupOk = FALSE; g.lookupError = ERROR_NO_SUCH_PRIVILEGE; },
     {"version", "open", "lookup", "close"}, 1313},
    {"account lacks the privilege", [] { g.adjustError = ERROR_NOT_ALL_ASSIGNED; }, kTokenCalls, 1300},
  };
  for (const PowerAction& a : PowerActions()) {
    if (a.index == 38) continue;  // qpLogOff needs no privilege
    for (const Failure& f : failures) {
      SCOPED_TRACE(std::string(a.name) + ": " + f.what);
      g = PowerWorld();
      f.arrange();
      host.ClearEvents();
      EXPECT_FALSE(Exec(a.index, ArgsFor(a)));
      Calls expected = f.tokenCalls;
      if (a.index == 39) expected.insert(expected.begin(), "allowed power-off");
      EXPECT_EQ(g.calls, expected);
      EXPECT_FALSE(ExpectedSystemText(f.code).empty());
      EXPECT_EQ(host.Writes(), (Writes{{"LastError", ExpectedSystemText(f.code)}, {"R", "False"}}));
    }
  }
}

TEST_F(SystemTest, FailingSystemCallReportsItsCodeThenFalse) {
  for (const PowerAction& a : PowerActions()) {
    SCOPED_TRACE(a.name);
    g = PowerWorld();
    g.exitOk = FALSE;
    g.exitError = ERROR_SHUTDOWN_IN_PROGRESS;
    g.suspendOk = FALSE;
    g.suspendError = ERROR_SHUTDOWN_IN_PROGRESS;
    host.ClearEvents();
    EXPECT_FALSE(Exec(a.index, ArgsFor(a)));
    EXPECT_EQ(g.calls, Join({a.before, {a.final}}));
    EXPECT_EQ(host.Writes(), (Writes{{"LastError", ExpectedSystemText(ERROR_SHUTDOWN_IN_PROGRESS)}, {"R", "False"}}));
  }
}

TEST_F(SystemTest, PowerOffNotSupportedWritesOnlyFalseAndTouchesNoToken) {
  g.shutdownAllowed = FALSE;
  host.variables["LastError"] = "earlier";
  host.ClearEvents();
  EXPECT_FALSE(Exec(39, {"EWX_FORCE", "R"}));
  EXPECT_EQ(g.calls, (Calls{"allowed power-off"}));
  EXPECT_EQ(host.Writes(), (Writes{{"R", "False"}}));
  EXPECT_EQ(host.Var("LastError"), "earlier");
}

TEST_F(SystemTest, PlatformOtherThanNtSkipsTheToken) {
  for (const PowerAction& a : PowerActions()) {
    if (a.index == 38) continue;
    SCOPED_TRACE(a.name);
    g = PowerWorld();
    g.platformId = VER_PLATFORM_WIN32_WINDOWS;
    g.openOk = FALSE;  // would fail, were it asked
    host.ClearEvents();
    EXPECT_TRUE(Exec(a.index, ArgsFor(a)));
    Calls expected = {"version", a.final};
    if (a.index == 39) expected.insert(expected.begin(), "allowed power-off");
    EXPECT_EQ(g.calls, expected);
    EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}}));
  }
}

TEST_F(SystemTest, SuspendAndHibernatePassTheirThreeFlags) {
  ASSERT_TRUE(Exec(43, {"R"}));
  EXPECT_EQ((std::vector<int>{g.suspendArgs[0], g.suspendArgs[1], g.suspendArgs[2]}), (std::vector<int>{0, 0, 0}));
  g = PowerWorld();
  ASSERT_TRUE(Exec(44, {"R"}));
  EXPECT_EQ((std::vector<int>{g.suspendArgs[0], g.suspendArgs[1], g.suspendArgs[2]}), (std::vector<int>{1, 0, 0}));
}

TEST_F(SystemTest, BlankResultVariableStillActsAndReportsFailures) {
  EXPECT_TRUE(Exec(40, {"", "  "}));
  EXPECT_EQ(g.calls, Join({kTokenCalls, {"exit"}}));
  EXPECT_TRUE(host.Writes().empty());

  g = PowerWorld();
  g.adjustError = ERROR_NOT_ALL_ASSIGNED;
  host.ClearEvents();
  EXPECT_FALSE(Exec(43, {""}));
  EXPECT_EQ(host.Writes(), (Writes{{"LastError", ExpectedSystemText(1300)}}));
}

TEST_F(SystemTest, CapabilityQueriesAskOneFunctionAndReadOnlyItsByte) {
  struct Case {
    uint32_t index;
    const char* dll_function;
    const char* call;
    BOOLEAN PowerWorld::*answer;
  };
  const Case cases[] = {
    {45, "IsPwrSuspendAllowed", "allowed suspend", &PowerWorld::suspendAllowed},
    {46, "IsPwrShutdownAllowed", "allowed power-off", &PowerWorld::shutdownAllowed},
    {47, "IsPwrHibernateAllowed", "allowed hibernate", &PowerWorld::hibernateAllowed},
  };
  for (const Case& c : cases) {
    for (BOOLEAN answer : {BOOLEAN(0), BOOLEAN(1), BOOLEAN(0xFF)}) {
      SCOPED_TRACE(std::string(c.dll_function) + " answering " + std::to_string(answer));
      g = PowerWorld();
      g.*c.answer = answer;
      host.ClearEvents();
      EXPECT_TRUE(Exec(c.index, {"R"}));
      EXPECT_EQ(g.calls, (Calls{c.call}));
      EXPECT_EQ(host.Writes(), (Writes{{"R", answer ? "True" : "False"}}));
    }
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dll_function) + " with garbage above its byte");
    // Hooks on one slot stack; the library is unloaded after the test.
    Hook("powrprof.dll", c.dll_function, &AnswerLowByteZero);
    host.ClearEvents();
    EXPECT_TRUE(Exec(c.index, {"R"}));
    EXPECT_EQ(host.Writes(), (Writes{{"R", "False"}}));
    Hook("powrprof.dll", c.dll_function, &AnswerLowByteOne);
    host.ClearEvents();
    EXPECT_TRUE(Exec(c.index, {"R"}));
    EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}}));
  }
}

// qpErrorMessage reaches the real FormatMessageA.
using ErrorMessageTest = PluginTest;

TEST_F(ErrorMessageTest, WritesTheSystemTextWithoutItsLineBreakAndFullStop) {
  char raw[256];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, 5, 0, raw,
                           sizeof raw, nullptr);
  ASSERT_GT(n, 0u);
  std::string expected = ExpectedSystemText(5);
  ASSERT_FALSE(expected.empty());
  ASSERT_EQ(std::string(raw, n).rfind(expected, 0), 0u);

  host.variables["LastError"] = "earlier";
  for (const char* code : {"5", " 5", "   +5", "$5", "x5", "X5", "0x5", "0X5", "$00000005", "0x0005"}) {
    SCOPED_TRACE(code);
    host.ClearEvents();
    EXPECT_TRUE(Exec(48, {code, "R"}));
    EXPECT_EQ(host.Writes(), (Writes{{"R", expected}}));
  }
  EXPECT_EQ(host.Var("LastError"), "earlier");
  const std::string& text = host.Var("R");
  EXPECT_NE(text.back(), '.');
  EXPECT_GT(static_cast<unsigned char>(text.back()), 32);
}

TEST_F(ErrorMessageTest, UnknownCodeGivesTheEmptyText) {
  for (const char* code : {"-1", "$2000ABCD", "987654"}) {
    SCOPED_TRACE(code);
    host.ClearEvents();
    EXPECT_TRUE(Exec(48, {code, "R"}));
    EXPECT_EQ(host.Writes(), (Writes{{"R", ""}}));
  }
}

TEST_F(ErrorMessageTest, InvalidCodeWritesLastErrorThenFalse) {
  for (const char* code : {"", "5 ", "\t5", "five", "0x", "-", "5.0", "4294967296"}) {
    SCOPED_TRACE(std::string("\"") + code + "\"");
    host.ClearEvents();
    EXPECT_FALSE(Exec(48, {code, "R"}));
    EXPECT_EQ(host.Writes(),
              (Writes{{"LastError", "Invalid \"qpErrorMessage\" action arguments"}, {"R", "False"}}));
  }
}

}  // namespace
}  // namespace qptest
