// qpEndsStr: whether the text ends with the suffix, by the same locale-aware
// comparison as qpStartsStr. An empty suffix, a suffix longer than the text and
// a suffix that would begin on the second byte of a double-byte character
// never match.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "actions/text/UStringSystem.h"
#include "core/UUtilities.h"

namespace qp {

bool EndsStrActionExec(const std::string& text, const std::string& suffix, const std::string& resultName) {
  bool ends = false;
  if (!suffix.empty() && suffix.size() <= text.size()) {
    const size_t start = text.size() - suffix.size();
    ends = IsCharBoundary(text, start, AnsiLeadBytes()) && LocaleEqual(std::string_view(text).substr(start), suffix);
  }
  SetVariable(resultName, BoolText(ends));
  return true;
}

}  // namespace qp
