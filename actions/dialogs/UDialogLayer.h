#pragma once
// The small dialog layer the dialog actions share: the modal scope every
// dialog is shown in, the default dialog face, system colours, the choice
// between the classic and the newer file dialog, and the file dialogs
// themselves, run once for all four file and picture actions.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "actions/dialogs/UDialogRules.h"

namespace qp {

// Shows a dialog modally: remembers the thread's active window (the owner the
// dialogs name), disables the thread's other enabled top-level windows while
// the scope lives, and afterwards enables them again and makes the remembered
// window active again. The common dialogs themselves only disable their owner.
class ModalDialogScope {
 public:
  ModalDialogScope();
  ~ModalDialogScope();
  ModalDialogScope(const ModalDialogScope&) = delete;
  ModalDialogScope& operator=(const ModalDialogScope&) = delete;

  HWND ActiveWindow() const { return active_; }

 private:
  HWND active_ = nullptr;
  std::vector<HWND> disabled_;
};

// The face of a newly made font: the face the system substitutes for
// "MS Shell Dlg 2", else "MS Sans Serif".
std::string DefaultDialogFace();

// A colour value as the system draws it: a system colour (top byte 0xFF)
// becomes the colour it currently names; any other value is kept.
COLORREF ColorToRgb(int32_t color);

// True when the system's newer file dialog is used: Windows 6 and later.
bool UseNewFileDialogs();

// The eight arguments of the file and picture actions.
struct FileDialogArgs {
  std::string fileName;
  std::string defaultExt;
  std::string filter;
  std::string filterIndex;
  std::string initialDir;
  std::string title;
  std::string options;
  std::string resultVariable;
};

// Runs one file or picture dialog and writes its result: the chosen path
// into the result variable, one path per file into the indexed variables for
// a multi-selection, or "False" when the dialog was cancelled or could not be
// shown. withOwner names the thread's active window as the dialog's owner.
void RunFileDialogAction(FileDialogKind kind, const FileDialogArgs& args, bool withOwner);

}  // namespace qp
