// qpStartsStr: whether the text begins with the prefix. The first bytes of
// the text, as many as the prefix has, are compared with it by the locale-aware
// comparison of the user's default locale (case counts); an empty prefix
// always matches.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "actions/text/UStringSystem.h"
#include "core/UUtilities.h"

namespace qp {

bool StartsStrActionExec(const std::string& text, const std::string& prefix, const std::string& resultName) {
  const std::string_view piece = std::string_view(text).substr(0, prefix.size());
  SetVariable(resultName, BoolText(LocaleEqual(piece, prefix)));
  return true;
}

}  // namespace qp
