// qpUrlDecode: the inverse of qpUrlEncode; a malformed escape anywhere gives
// the empty text. A "%00" escape ends the text as the host reads it.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "core/UUtilities.h"

namespace qp {

bool UrlDecodeActionExec(const std::string& text, const std::string& resultName) {
  SetVariable(resultName, UrlDecodeText(text));
  return true;
}

}  // namespace qp
