// qpFileShortPath: the short (8.3) form of an existing file's path.
#include <windows.h>

#include "actions/UActionExecs.h"
#include "actions/files/UFilePathForms.h"

namespace qp {

bool FileShortPathActionExec(const std::string& path, const std::string& resultVar) {
  return WritePathForm(&GetShortPathNameA, path, resultVar);
}

}  // namespace qp
