// qpQuotedStr: the text between two quote characters with every quote inside
// doubled. A quote argument that is not exactly one byte leaves the text as
// it is.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "actions/text/UStringSystem.h"
#include "core/UUtilities.h"

namespace qp {

bool QuotedStrActionExec(const std::string& text, const std::string& quote, const std::string& resultName) {
  SetVariable(resultName, quote.size() == 1 ? QuoteText(text, quote[0], AnsiLeadBytes()) : text);
  return true;
}

}  // namespace qp
