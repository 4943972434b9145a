#pragma once
// The routines behind the session-end, power and capability actions: the
// privilege switch on the process token, the ExitWindowsEx family with its
// table of flags, the SetSuspendState pair and the power capability queries.

#include <string>

namespace qp {

// Enables (or disables) one privilege in the access token of this process.
// True when the privilege is now in the requested state, judged by the
// thread's last-error code, which is left holding the code of the step that
// failed (ERROR_NOT_ALL_ASSIGNED when the account does not hold the
// privilege). On a platform that is not NT there is no token: true at once.
bool SetTokenPrivilege(const std::string& privilegeName, bool enable);

// The five actions that end the session through ExitWindowsEx.
enum class SessionEnd { LogOff, PowerOff, Reboot, Restart, Shutdown };

// Runs one member of the ExitWindowsEx family: the optional capability check,
// the shutdown privilege, the flags chosen by the option word ("EWX_FORCE",
// "EWX_FORCEIFHUNG", anything else none), then "True"/"False" in the result
// variable, with the system error text in LastError first on failure.
bool EndSessionAction(SessionEnd member, const std::string& optionWord, const std::string& resultVariable);

// The ExitWindowsEx flags of one member for an option word (exact, whole-text
// comparison).
unsigned ExitWindowsFlags(SessionEnd member, const std::string& optionWord);

// qpSuspend (hibernate false) and qpHibernate (hibernate true).
bool SuspendAction(bool hibernate, const std::string& resultVariable);

// The three capability queries: "True" or "False" into the result variable.
enum class PowerCapability { Suspend, PowerOff, Hibernate };
bool PowerCapabilityAction(PowerCapability capability, const std::string& resultVariable);

}  // namespace qp
