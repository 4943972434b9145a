// qpExecAction: hands one action line, exactly as given, to the host.
#include "actions/UActionExecs.h"
#include "core/UUtilities.h"

namespace qp {

bool ExecActionActionExec(const std::string& line) {
  RunHostLine(line);  // no trimming, and an empty line is passed on too
  return true;
}

}  // namespace qp
