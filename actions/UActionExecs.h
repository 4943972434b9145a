#pragma once
// One function per action, each defined in its own module under actions/<category>/
// (U<Name>ActionExec.cpp). Arguments arrive as the plug-in's own copies of the
// host strings, in the order the catalogue declares them.

#include <string>

namespace qp {

// actions/text
bool StartsStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 1 qpStartsStr
bool EndsStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 2 qpEndsStr
bool QuotedStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 3 qpQuotedStr
bool DequotedStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 4 qpDequotedStr
bool DupeStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 5 qpDupeStr
bool ReverseStrActionExec(const std::string& arg1, const std::string& arg2);  // 6 qpReverseStr
bool LeftStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 7 qpLeftStr
bool RightStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 8 qpRightStr
bool MidStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3, const std::string& arg4);  // 9 qpMidStr
bool TrimStrActionExec(const std::string& arg1, const std::string& arg2);  // 10 qpTrimStr
bool TrimLeftStrActionExec(const std::string& arg1, const std::string& arg2);  // 11 qpTrimLeftStr
bool TrimRightStrActionExec(const std::string& arg1, const std::string& arg2);  // 12 qpTrimRightStr
bool GUIDStrActionExec(const std::string& arg1);  // 13 qpGUIDStr
bool RandomFromStrActionExec(const std::string& arg1, const std::string& arg2);  // 14 qpRandomFromStr
bool IfThenStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3, const std::string& arg4);  // 15 qpIfThenStr
bool IfAppendStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 16 qpIfAppendStr
bool IfPrependStrActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 17 qpIfPrependStr
bool UrlEncodeActionExec(const std::string& arg1, const std::string& arg2);  // 18 qpUrlEncode
bool UrlDecodeActionExec(const std::string& arg1, const std::string& arg2);  // 19 qpUrlDecode
// actions/publication
bool SetVarActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 20 qpSetVar
// actions/graphics
bool HideCursorActionExec();  // 21 qpHideCursor
bool ShowCursorActionExec();  // 22 qpShowCursor
// actions/publication
bool ExecActionActionExec(const std::string& arg1);  // 23 qpExecAction
bool ExecActionsActionExec(const std::string& arg1);  // 24 qpExecActions
bool AddShortcutActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3, const std::string& arg4, const std::string& arg5, const std::string& arg6);  // 25 qpAddShortcut
bool ClearVariablesActionExec(const std::string& arg1);  // 26 qpClearVariables
// actions/help
bool OpenHelpTocActionExec(const std::string& arg1, const std::string& arg2);  // 27 qpOpenHelpToc
bool OpenHelpIndexActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 28 qpOpenHelpIndex
bool OpenHelpSearchActionExec(const std::string& arg1, const std::string& arg2);  // 29 qpOpenHelpSearch
bool OpenHelpThemeActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 30 qpOpenHelpTheme
bool CloseHelpFileActionExec(const std::string& arg1, const std::string& arg2);  // 31 qpCloseHelpFile
// actions/dialogs
bool FontDialogActionExec(const std::string& arg1, const std::string& arg2);  // 32 qpFontDialog
bool ColorDialogActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3, const std::string& arg4);  // 33 qpColorDialog
bool OpenFileDialogActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3, const std::string& arg4, const std::string& arg5, const std::string& arg6, const std::string& arg7, const std::string& arg8);  // 34 qpOpenFileDialog
bool SaveFileDialogActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3, const std::string& arg4, const std::string& arg5, const std::string& arg6, const std::string& arg7, const std::string& arg8);  // 35 qpSaveFileDialog
bool OpenImageDialogActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3, const std::string& arg4, const std::string& arg5, const std::string& arg6, const std::string& arg7, const std::string& arg8);  // 36 qpOpenImageDialog
bool SaveImageDialogActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3, const std::string& arg4, const std::string& arg5, const std::string& arg6, const std::string& arg7, const std::string& arg8);  // 37 qpSaveImageDialog
// actions/system
bool LogOffActionExec(const std::string& arg1, const std::string& arg2);  // 38 qpLogOff
bool PowerOffActionExec(const std::string& arg1, const std::string& arg2);  // 39 qpPowerOff
bool RebootActionExec(const std::string& arg1, const std::string& arg2);  // 40 qpReboot
bool RestartActionExec(const std::string& arg1, const std::string& arg2);  // 41 qpRestart
bool ShutdownActionExec(const std::string& arg1, const std::string& arg2);  // 42 qpShutdown
bool SuspendActionExec(const std::string& arg1);  // 43 qpSuspend
bool HibernateActionExec(const std::string& arg1);  // 44 qpHibernate
bool CanSuspendActionExec(const std::string& arg1);  // 45 qpCanSuspend
bool CanPowerOffActionExec(const std::string& arg1);  // 46 qpCanPowerOff
bool CanHibernateActionExec(const std::string& arg1);  // 47 qpCanHibernate
bool ErrorMessageActionExec(const std::string& arg1, const std::string& arg2);  // 48 qpErrorMessage
// actions/graphics
bool ActiveShotActionExec(const std::string& arg1, const std::string& arg2);  // 49 qpActiveShot
bool HandleShotActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 50 qpHandleShot
bool ScreenShotActionExec(const std::string& arg1, const std::string& arg2);  // 51 qpScreenShot
bool MonitorOffActionExec(const std::string& arg1);  // 52 qpMonitorOff
bool MonitorOnActionExec(const std::string& arg1);  // 53 qpMonitorOn
// actions/files
bool FileSizeActionExec(const std::string& arg1, const std::string& arg2);  // 54 qpFileSize
bool DriveTypeActionExec(const std::string& arg1, const std::string& arg2);  // 55 qpDriveType
bool FileOperationActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3, const std::string& arg4, const std::string& arg5, const std::string& arg6);  // 56 qpFileOperation
bool TempFilePathActionExec(const std::string& arg1, const std::string& arg2);  // 57 qpTempFilePath
bool SystemDrivesActionExec(const std::string& arg1, const std::string& arg2, const std::string& arg3);  // 58 qpSystemDrives
bool FileLongPathActionExec(const std::string& arg1, const std::string& arg2);  // 59 qpFileLongPath
bool FileShortPathActionExec(const std::string& arg1, const std::string& arg2);  // 60 qpFileShortPath

}  // namespace qp
