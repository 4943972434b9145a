#include "actions/system/USystemUtilities.h"

#include <windows.h>
#include <powrprof.h>

#include <cstring>

#include "core/UUtilities.h"

namespace qp {

namespace {

const char* const kShutdownPrivilege = "SeShutdownPrivilege";

// ExitWindowsEx flag values.
constexpr unsigned kLogOff = 0x00;
constexpr unsigned kShutdown = 0x01;
constexpr unsigned kReboot = 0x02;
constexpr unsigned kForce = 0x04;
constexpr unsigned kPowerOff = 0x08;
constexpr unsigned kForceIfHung = 0x10;
constexpr unsigned kRestartApps = 0x40;

struct SessionEndRule {
  SessionEnd member;
  unsigned flags;          // without an option word
  bool checksPowerOff;     // asks IsPwrShutdownAllowed first
  bool needsPrivilege;     // enables the shutdown privilege first
};

// A restart is a reboot that also restarts the applications registered for
// it (EWX_REBOOT | EWX_RESTARTAPPS).
const SessionEndRule kSessionEndRules[] = {
  {SessionEnd::LogOff, kLogOff, false, false},
  {SessionEnd::PowerOff, kPowerOff, true, true},
  {SessionEnd::Reboot, kReboot, false, true},
  {SessionEnd::Restart, kReboot | kRestartApps, false, true},
  {SessionEnd::Shutdown, kShutdown, false, true},
};

const SessionEndRule& RuleOf(SessionEnd member) {
  for (const auto& rule : kSessionEndRules)
    if (rule.member == member) return rule;
  return kSessionEndRules[0];
}

// True unless the system says it is not NT. A version query that fails says
// nothing, and the token is handled as on NT.
bool PlatformHasTokens() {
  OSVERSIONINFOA info;
  memset(&info, 0, sizeof info);
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return true;
#pragma GCC diagnostic pop
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

bool SetTokenPrivilege(const std::string& privilegeName, bool enable) {
  if (!PlatformHasTokens()) return true;

  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    return GetLastError() == 0;
  }

  DWORD code = 0;
  LUID luid;
  memset(&luid, 0, sizeof luid);
  if (!LookupPrivilegeValueA(nullptr, privilegeName.c_str(), &luid)) {
    code = GetLastError();
  } else {
    // One entry: count, identifier, attributes; 16 bytes in all. The
    // previous-state buffer starts as a copy of the request and is not read.
    static_assert(sizeof(TOKEN_PRIVILEGES) == 16, "one-entry privilege record");
    TOKEN_PRIVILEGES request;
    memset(&request, 0, sizeof request);
    request.PrivilegeCount = 1;
    request.Privileges[0].Luid = luid;
    request.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    TOKEN_PRIVILEGES previous = request;
    DWORD returnedLength = 0;
    // The outcome is read from the last-error code (the call succeeds but
    // leaves ERROR_NOT_ALL_ASSIGNED when the privilege is not held); clear a
    // stale code first so that only this call decides.
    SetLastError(0);
    AdjustTokenPrivileges(token, FALSE, &request, sizeof request, &previous, &returnedLength);
    code = GetLastError();
  }
  CloseHandle(token);
  // Closing the handle must not change the verdict the caller reports.
  SetLastError(code);
  return code == 0;
}

unsigned ExitWindowsFlags(SessionEnd member, const std::string& optionWord) {
  unsigned flags = RuleOf(member).flags;
  if (optionWord == "EWX_FORCE") {
    flags |= kForce;
  } else if (optionWord == "EWX_FORCEIFHUNG") {
    flags |= kForceIfHung;
  }
  return flags;
}

bool EndSessionAction(SessionEnd member, const std::string& optionWord, const std::string& resultVariable) {
  const SessionEndRule& rule = RuleOf(member);
  bool result = false;
  // A machine without power-off gives "False" alone: nothing failed that
  // LastError could describe.
  if (rule.checksPowerOff && !IsPwrShutdownAllowed()) {
    SetVariable(resultVariable, kFalse);
    return false;
  }
  DWORD code = 0;
  if (rule.needsPrivilege && !SetTokenPrivilege(kShutdownPrivilege, true)) {
    code = GetLastError();
  } else {
    result = ExitWindowsEx(ExitWindowsFlags(member, optionWord), 0) != 0;
    if (!result) code = GetLastError();
  }
  if (!result) ReportSystemError(code);
  SetVariable(resultVariable, BoolText(result));
  return result;
}

bool SuspendAction(bool hibernate, const std::string& resultVariable) {
  bool result = false;
  DWORD code = 0;
  if (!SetTokenPrivilege(kShutdownPrivilege, true)) {
    code = GetLastError();
  } else {
    result = SetSuspendState(hibernate ? TRUE : FALSE, FALSE, FALSE) != 0;
    if (!result) code = GetLastError();
  }
  if (!result) ReportSystemError(code);
  SetVariable(resultVariable, BoolText(result));
  return result;
}

bool PowerCapabilityAction(PowerCapability capability, const std::string& resultVariable) {
  // Each query answers with a one-byte boolean; only that byte counts.
  BOOLEAN answer = FALSE;
  switch (capability) {
    case PowerCapability::Suspend: answer = IsPwrSuspendAllowed(); break;
    case PowerCapability::PowerOff: answer = IsPwrShutdownAllowed(); break;
    case PowerCapability::Hibernate: answer = IsPwrHibernateAllowed(); break;
  }
  SetVariable(resultVariable, BoolText(answer != 0));
  return true;
}

}  // namespace qp
