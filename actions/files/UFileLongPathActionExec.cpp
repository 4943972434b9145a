// qpFileLongPath: the long form of an existing file's path.
#include <windows.h>

#include "actions/UActionExecs.h"
#include "actions/files/UFilePathForms.h"

namespace qp {

bool FileLongPathActionExec(const std::string& path, const std::string& resultVar) {
  return WritePathForm(&GetLongPathNameA, path, resultVar);
}

}  // namespace qp
