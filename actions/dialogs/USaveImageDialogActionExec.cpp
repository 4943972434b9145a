// qpSaveImageDialog: the save dialog for pictures, with a preview; it names no owner window.
#include "actions/UActionExecs.h"
#include "actions/dialogs/UDialogLayer.h"

namespace qp {

bool SaveImageDialogActionExec(const std::string& fileName, const std::string& defaultExt, const std::string& filter,
                        const std::string& filterIndex, const std::string& initialDir, const std::string& title,
                        const std::string& options, const std::string& resultVariable) {
  RunFileDialogAction(FileDialogKind::SavePicture,
                      {fileName, defaultExt, filter, filterIndex, initialDir, title, options, resultVariable}, false);
  return true;
}

}  // namespace qp
