// qpTempFilePath: a new unique path in the system's temporary folder, with
// the given extension (its dots removed); no file is created.
#include "actions/UActionExecs.h"
#include "actions/files/UFileRules.h"
#include "core/UUtilities.h"

namespace qp {

bool TempFilePathActionExec(const std::string& extension, const std::string& resultVar) {
  SetVariable(resultVar, TempFilePath(CleanTempExtension(extension)));
  return true;
}

}  // namespace qp
