// qpReverseStr: not implemented yet; the dispatcher hands back false.
#include "actions/UActionExecs.h"

namespace qp {

bool ReverseStrActionExec(const std::string& /*arg1*/, const std::string& /*arg2*/) {
  return false;
}

}  // namespace qp
