#include "core/UActionsMenu.h"

#include <cstdint>
#include <string>

#include "core/UGlobals.h"
#include "core/UStringIds.h"
#include "core/UUtilities.h"

namespace qp {

namespace {

// Parameter kinds: 1 a text, 3 a number, 6 the name of a variable the action
// writes. A category header (index 0) and an action without parameters both
// declare a single kind byte 0.
struct Declaration {
  int32_t index;
  unsigned nameId;
  unsigned hintId;  // 0: the empty hint of a category header
  int32_t count;
  const char* kinds;
};

const Declaration kCatalogue[] = {
    {0, IDS_CATEGORY_FIRST + 0, 0, 0, ""},  // "Strings"
    {1, IDS_ACTION_NAME_BASE + 1, IDS_ACTION_HINT_BASE + 1, 3, "\x01\x01\x06"},  // qpStartsStr
    {2, IDS_ACTION_NAME_BASE + 2, IDS_ACTION_HINT_BASE + 2, 3, "\x01\x01\x06"},  // qpEndsStr
    {3, IDS_ACTION_NAME_BASE + 3, IDS_ACTION_HINT_BASE + 3, 3, "\x01\x01\x06"},  // qpQuotedStr
    {4, IDS_ACTION_NAME_BASE + 4, IDS_ACTION_HINT_BASE + 4, 3, "\x01\x01\x06"},  // qpDequotedStr
    {5, IDS_ACTION_NAME_BASE + 5, IDS_ACTION_HINT_BASE + 5, 3, "\x01\x03\x06"},  // qpDupeStr
    {6, IDS_ACTION_NAME_BASE + 6, IDS_ACTION_HINT_BASE + 6, 2, "\x01\x06"},  // qpReverseStr
    {7, IDS_ACTION_NAME_BASE + 7, IDS_ACTION_HINT_BASE + 7, 3, "\x01\x03\x06"},  // qpLeftStr
    {8, IDS_ACTION_NAME_BASE + 8, IDS_ACTION_HINT_BASE + 8, 3, "\x01\x03\x06"},  // qpRightStr
    {9, IDS_ACTION_NAME_BASE + 9, IDS_ACTION_HINT_BASE + 9, 4, "\x01\x03\x03\x06"},  // qpMidStr
    {10, IDS_ACTION_NAME_BASE + 10, IDS_ACTION_HINT_BASE + 10, 2, "\x01\x06"},  // qpTrimStr
    {11, IDS_ACTION_NAME_BASE + 11, IDS_ACTION_HINT_BASE + 11, 2, "\x01\x06"},  // qpTrimLeftStr
    {12, IDS_ACTION_NAME_BASE + 12, IDS_ACTION_HINT_BASE + 12, 2, "\x01\x06"},  // qpTrimRightStr
    {13, IDS_ACTION_NAME_BASE + 13, IDS_ACTION_HINT_BASE + 13, 1, "\x06"},  // qpGUIDStr
    {14, IDS_ACTION_NAME_BASE + 14, IDS_ACTION_HINT_BASE + 14, 2, "\x01\x06"},  // qpRandomFromStr
    {15, IDS_ACTION_NAME_BASE + 15, IDS_ACTION_HINT_BASE + 15, 4, "\x01\x01\x01\x06"},  // qpIfThenStr
    {16, IDS_ACTION_NAME_BASE + 16, IDS_ACTION_HINT_BASE + 16, 3, "\x01\x01\x06"},  // qpIfAppendStr
    {17, IDS_ACTION_NAME_BASE + 17, IDS_ACTION_HINT_BASE + 17, 3, "\x01\x01\x06"},  // qpIfPrependStr
    {18, IDS_ACTION_NAME_BASE + 18, IDS_ACTION_HINT_BASE + 18, 2, "\x01\x06"},  // qpUrlEncode
    {19, IDS_ACTION_NAME_BASE + 19, IDS_ACTION_HINT_BASE + 19, 2, "\x01\x06"},  // qpUrlDecode
    {0, IDS_CATEGORY_FIRST + 1, 0, 0, ""},  // "Publication"
    {20, IDS_ACTION_NAME_BASE + 20, IDS_ACTION_HINT_BASE + 20, 3, "\x01\x01\x01"},  // qpSetVar
    {21, IDS_ACTION_NAME_BASE + 21, IDS_ACTION_HINT_BASE + 21, 0, ""},  // qpHideCursor
    {22, IDS_ACTION_NAME_BASE + 22, IDS_ACTION_HINT_BASE + 22, 0, ""},  // qpShowCursor
    {23, IDS_ACTION_NAME_BASE + 23, IDS_ACTION_HINT_BASE + 23, 1, "\x01"},  // qpExecAction
    {24, IDS_ACTION_NAME_BASE + 24, IDS_ACTION_HINT_BASE + 24, 1, "\x01"},  // qpExecActions
    {25, IDS_ACTION_NAME_BASE + 25, IDS_ACTION_HINT_BASE + 25, 6, "\x01\x01\x01\x01\x01\x06"},  // qpAddShortcut
    {26, IDS_ACTION_NAME_BASE + 26, IDS_ACTION_HINT_BASE + 26, 1, "\x01"},  // qpClearVariables
    {0, IDS_CATEGORY_FIRST + 2, 0, 0, ""},  // "Publication Help"
    {27, IDS_ACTION_NAME_BASE + 27, IDS_ACTION_HINT_BASE + 27, 2, "\x01\x06"},  // qpOpenHelpToc
    {28, IDS_ACTION_NAME_BASE + 28, IDS_ACTION_HINT_BASE + 28, 3, "\x01\x01\x06"},  // qpOpenHelpIndex
    {29, IDS_ACTION_NAME_BASE + 29, IDS_ACTION_HINT_BASE + 29, 2, "\x01\x06"},  // qpOpenHelpSearch
    {30, IDS_ACTION_NAME_BASE + 30, IDS_ACTION_HINT_BASE + 30, 3, "\x01\x01\x06"},  // qpOpenHelpTheme
    {31, IDS_ACTION_NAME_BASE + 31, IDS_ACTION_HINT_BASE + 31, 2, "\x01\x06"},  // qpCloseHelpFile
    {0, IDS_CATEGORY_FIRST + 3, 0, 0, ""},  // "Dialogs"
    {32, IDS_ACTION_NAME_BASE + 32, IDS_ACTION_HINT_BASE + 32, 2, "\x01\x06"},  // qpFontDialog
    {33, IDS_ACTION_NAME_BASE + 33, IDS_ACTION_HINT_BASE + 33, 4, "\x01\x01\x06\x06"},  // qpColorDialog
    {34, IDS_ACTION_NAME_BASE + 34, IDS_ACTION_HINT_BASE + 34, 8, "\x01\x01\x01\x03\x01\x01\x01\x06"},  // qpOpenFileDialog
    {35, IDS_ACTION_NAME_BASE + 35, IDS_ACTION_HINT_BASE + 35, 8, "\x01\x01\x01\x03\x01\x01\x01\x06"},  // qpSaveFileDialog
    {36, IDS_ACTION_NAME_BASE + 36, IDS_ACTION_HINT_BASE + 36, 8, "\x01\x01\x01\x03\x01\x01\x01\x06"},  // qpOpenImageDialog
    {37, IDS_ACTION_NAME_BASE + 37, IDS_ACTION_HINT_BASE + 37, 8, "\x01\x01\x01\x03\x01\x01\x01\x06"},  // qpSaveImageDialog
    {0, IDS_CATEGORY_FIRST + 4, 0, 0, ""},  // "System"
    {38, IDS_ACTION_NAME_BASE + 38, IDS_ACTION_HINT_BASE + 38, 2, "\x01\x06"},  // qpLogOff
    {39, IDS_ACTION_NAME_BASE + 39, IDS_ACTION_HINT_BASE + 39, 2, "\x01\x06"},  // qpPowerOff
    {40, IDS_ACTION_NAME_BASE + 40, IDS_ACTION_HINT_BASE + 40, 2, "\x01\x06"},  // qpReboot
    {41, IDS_ACTION_NAME_BASE + 41, IDS_ACTION_HINT_BASE + 41, 2, "\x01\x06"},  // qpRestart
    {42, IDS_ACTION_NAME_BASE + 42, IDS_ACTION_HINT_BASE + 42, 2, "\x01\x06"},  // qpShutdown
    {43, IDS_ACTION_NAME_BASE + 43, IDS_ACTION_HINT_BASE + 43, 1, "\x06"},  // qpSuspend
    {44, IDS_ACTION_NAME_BASE + 44, IDS_ACTION_HINT_BASE + 44, 1, "\x06"},  // qpHibernate
    {45, IDS_ACTION_NAME_BASE + 45, IDS_ACTION_HINT_BASE + 45, 1, "\x06"},  // qpCanSuspend
    {46, IDS_ACTION_NAME_BASE + 46, IDS_ACTION_HINT_BASE + 46, 1, "\x06"},  // qpCanPowerOff
    {47, IDS_ACTION_NAME_BASE + 47, IDS_ACTION_HINT_BASE + 47, 1, "\x06"},  // qpCanHibernate
    {48, IDS_ACTION_NAME_BASE + 48, IDS_ACTION_HINT_BASE + 48, 2, "\x03\x06"},  // qpErrorMessage
    {0, IDS_CATEGORY_FIRST + 5, 0, 0, ""},  // "Graphics"
    {49, IDS_ACTION_NAME_BASE + 49, IDS_ACTION_HINT_BASE + 49, 2, "\x01\x06"},  // qpActiveShot
    {50, IDS_ACTION_NAME_BASE + 50, IDS_ACTION_HINT_BASE + 50, 3, "\x01\x03\x06"},  // qpHandleShot
    {51, IDS_ACTION_NAME_BASE + 51, IDS_ACTION_HINT_BASE + 51, 2, "\x01\x06"},  // qpScreenShot
    {0, IDS_CATEGORY_FIRST + 6, 0, 0, ""},  // "Monitor"
    {52, IDS_ACTION_NAME_BASE + 52, IDS_ACTION_HINT_BASE + 52, 1, "\x06"},  // qpMonitorOff
    {53, IDS_ACTION_NAME_BASE + 53, IDS_ACTION_HINT_BASE + 53, 1, "\x06"},  // qpMonitorOn
    {0, IDS_CATEGORY_FIRST + 7, 0, 0, ""},  // "Files"
    {54, IDS_ACTION_NAME_BASE + 54, IDS_ACTION_HINT_BASE + 54, 2, "\x01\x06"},  // qpFileSize
    {55, IDS_ACTION_NAME_BASE + 55, IDS_ACTION_HINT_BASE + 55, 2, "\x01\x06"},  // qpDriveType
    {56, IDS_ACTION_NAME_BASE + 56, IDS_ACTION_HINT_BASE + 56, 6, "\x01\x01\x01\x01\x01\x06"},  // qpFileOperation
    {57, IDS_ACTION_NAME_BASE + 57, IDS_ACTION_HINT_BASE + 57, 2, "\x01\x06"},  // qpTempFilePath
    {58, IDS_ACTION_NAME_BASE + 58, IDS_ACTION_HINT_BASE + 58, 3, "\x01\x06\x06"},  // qpSystemDrives
    {59, IDS_ACTION_NAME_BASE + 59, IDS_ACTION_HINT_BASE + 59, 2, "\x01\x06"},  // qpFileLongPath
    {60, IDS_ACTION_NAME_BASE + 60, IDS_ACTION_HINT_BASE + 60, 2, "\x01\x06"},  // qpFileShortPath
};

}  // namespace

void DeclareActions() {
  if (AddActionProc == nullptr) return;
  for (const Declaration& d : kCatalogue) {
    const std::string name = LoadText(d.nameId);
    const std::string hint = d.hintId ? LoadText(d.hintId) : std::string();
    static const uint8_t kNone[1] = {0};
    const uint8_t* kinds = d.count ? reinterpret_cast<const uint8_t*>(d.kinds) : kNone;
    const int32_t highIndex = d.count ? d.count - 1 : 0;
    AddActionProc(d.index, name.c_str(), hint.c_str(), d.count, highIndex, kinds);
  }
}

}  // namespace qp
