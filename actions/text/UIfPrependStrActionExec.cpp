// qpIfPrependStr: not implemented yet; the dispatcher hands back false.
#include "actions/UActionExecs.h"

namespace qp {

bool IfPrependStrActionExec(const std::string& /*arg1*/, const std::string& /*arg2*/, const std::string& /*arg3*/) {
  return false;
}

}  // namespace qp
