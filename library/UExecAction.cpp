// bxExecAction: the dispatch of an action index to its implementation.
#include <windows.h>

#include <cstddef>
#include <new>
#include <string>
#include <utility>

#include "actions/UActionExecs.h"
#include "core/UUtilities.h"
#include "library/UExports.h"

namespace qp {

namespace {

using Runner = bool (*)(const char* const* args);

template <typename F>
struct Arity;
template <typename... A>
struct Arity<bool (*)(A...)> {
  static constexpr std::size_t value = sizeof...(A);
};

// Reads argument i of the list; a null list or a null entry reads as empty.
inline std::string Arg(const char* const* args, std::size_t i) { return args ? HostText(args[i]) : std::string(); }

template <auto F, std::size_t... I>
bool Invoke(const char* const* args, std::index_sequence<I...>) {
  (void)args;  // unused by actions without parameters
  return F(Arg(args, I)...);
}

// Calls F with exactly as many entries of the argument list as it declares;
// an action without parameters does not touch the list.
template <auto F>
bool Run(const char* const* args) {
  return Invoke<F>(args, std::make_index_sequence<Arity<decltype(F)>::value>{});
}

template <auto F>
constexpr Runner Entry() {
  return &Run<F>;
}

bool Nothing(const char* const*) { return false; }

// Entry k runs the action declared with index k; entry 0 does nothing.
const Runner kDispatch[61] = {
    &Nothing,
    Entry<&StartsStrActionExec>(),  // 1 qpStartsStr
    Entry<&EndsStrActionExec>(),  // 2 qpEndsStr
    Entry<&QuotedStrActionExec>(),  // 3 qpQuotedStr
    Entry<&DequotedStrActionExec>(),  // 4 qpDequotedStr
    Entry<&DupeStrActionExec>(),  // 5 qpDupeStr
    Entry<&ReverseStrActionExec>(),  // 6 qpReverseStr
    Entry<&LeftStrActionExec>(),  // 7 qpLeftStr
    Entry<&RightStrActionExec>(),  // 8 qpRightStr
    Entry<&MidStrActionExec>(),  // 9 qpMidStr
    Entry<&TrimStrActionExec>(),  // 10 qpTrimStr
    Entry<&TrimLeftStrActionExec>(),  // 11 qpTrimLeftStr
    Entry<&TrimRightStrActionExec>(),  // 12 qpTrimRightStr
    Entry<&GUIDStrActionExec>(),  // 13 qpGUIDStr
    Entry<&RandomFromStrActionExec>(),  // 14 qpRandomFromStr
    Entry<&IfThenStrActionExec>(),  // 15 qpIfThenStr
    Entry<&IfAppendStrActionExec>(),  // 16 qpIfAppendStr
    Entry<&IfPrependStrActionExec>(),  // 17 qpIfPrependStr
    Entry<&UrlEncodeActionExec>(),  // 18 qpUrlEncode
    Entry<&UrlDecodeActionExec>(),  // 19 qpUrlDecode
    Entry<&SetVarActionExec>(),  // 20 qpSetVar
    Entry<&HideCursorActionExec>(),  // 21 qpHideCursor
    Entry<&ShowCursorActionExec>(),  // 22 qpShowCursor
    Entry<&ExecActionActionExec>(),  // 23 qpExecAction
    Entry<&ExecActionsActionExec>(),  // 24 qpExecActions
    Entry<&AddShortcutActionExec>(),  // 25 qpAddShortcut
    Entry<&ClearVariablesActionExec>(),  // 26 qpClearVariables
    Entry<&OpenHelpTocActionExec>(),  // 27 qpOpenHelpToc
    Entry<&OpenHelpIndexActionExec>(),  // 28 qpOpenHelpIndex
    Entry<&OpenHelpSearchActionExec>(),  // 29 qpOpenHelpSearch
    Entry<&OpenHelpThemeActionExec>(),  // 30 qpOpenHelpTheme
    Entry<&CloseHelpFileActionExec>(),  // 31 qpCloseHelpFile
    Entry<&FontDialogActionExec>(),  // 32 qpFontDialog
    Entry<&ColorDialogActionExec>(),  // 33 qpColorDialog
    Entry<&OpenFileDialogActionExec>(),  // 34 qpOpenFileDialog
    Entry<&SaveFileDialogActionExec>(),  // 35 qpSaveFileDialog
    Entry<&OpenImageDialogActionExec>(),  // 36 qpOpenImageDialog
    Entry<&SaveImageDialogActionExec>(),  // 37 qpSaveImageDialog
    Entry<&LogOffActionExec>(),  // 38 qpLogOff
    Entry<&PowerOffActionExec>(),  // 39 qpPowerOff
    Entry<&RebootActionExec>(),  // 40 qpReboot
    Entry<&RestartActionExec>(),  // 41 qpRestart
    Entry<&ShutdownActionExec>(),  // 42 qpShutdown
    Entry<&SuspendActionExec>(),  // 43 qpSuspend
    Entry<&HibernateActionExec>(),  // 44 qpHibernate
    Entry<&CanSuspendActionExec>(),  // 45 qpCanSuspend
    Entry<&CanPowerOffActionExec>(),  // 46 qpCanPowerOff
    Entry<&CanHibernateActionExec>(),  // 47 qpCanHibernate
    Entry<&ErrorMessageActionExec>(),  // 48 qpErrorMessage
    Entry<&ActiveShotActionExec>(),  // 49 qpActiveShot
    Entry<&HandleShotActionExec>(),  // 50 qpHandleShot
    Entry<&ScreenShotActionExec>(),  // 51 qpScreenShot
    Entry<&MonitorOffActionExec>(),  // 52 qpMonitorOff
    Entry<&MonitorOnActionExec>(),  // 53 qpMonitorOn
    Entry<&FileSizeActionExec>(),  // 54 qpFileSize
    Entry<&DriveTypeActionExec>(),  // 55 qpDriveType
    Entry<&FileOperationActionExec>(),  // 56 qpFileOperation
    Entry<&TempFilePathActionExec>(),  // 57 qpTempFilePath
    Entry<&SystemDrivesActionExec>(),  // 58 qpSystemDrives
    Entry<&FileLongPathActionExec>(),  // 59 qpFileLongPath
    Entry<&FileShortPathActionExec>(),  // 60 qpFileShortPath
};

}  // namespace

}  // namespace qp

extern "C" bool BXCALL bxExecAction(uint32_t index, const char* const* args) {
  if (index > 60 || index == 0) return false;
  try {
    return qp::kDispatch[index](args);
  } catch (const std::bad_alloc&) {
    // The system refused memory: said in LastError, as any failure is.
    try {
      qp::ReportSystemError(ERROR_NOT_ENOUGH_MEMORY);
    } catch (...) {
    }
  } catch (...) {
  }
  return false;
}
