// qpUrlEncode: the text with every byte outside the URL-safe set written as
// "%" and two hexadecimal digits.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "core/UUtilities.h"

namespace qp {

bool UrlEncodeActionExec(const std::string& text, const std::string& resultName) {
  SetVariable(resultName, UrlEncodeText(text));
  return true;
}

}  // namespace qp
