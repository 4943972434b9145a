// qpOpenFileDialog: the open dialog; the chosen path, or one path per chosen file, or "False".
#include "actions/UActionExecs.h"
#include "actions/dialogs/UDialogLayer.h"

namespace qp {

bool OpenFileDialogActionExec(const std::string& fileName, const std::string& defaultExt, const std::string& filter,
                        const std::string& filterIndex, const std::string& initialDir, const std::string& title,
                        const std::string& options, const std::string& resultVariable) {
  RunFileDialogAction(FileDialogKind::Open,
                      {fileName, defaultExt, filter, filterIndex, initialDir, title, options, resultVariable}, true);
  return true;
}

}  // namespace qp
