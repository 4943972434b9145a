// qpReverseStr: the characters of the text in reverse order; a double-byte
// character keeps its two bytes in their order.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "actions/text/UStringSystem.h"
#include "core/UUtilities.h"

namespace qp {

bool ReverseStrActionExec(const std::string& text, const std::string& resultName) {
  SetVariable(resultName, ReverseText(text, AnsiLeadBytes()));
  return true;
}

}  // namespace qp
