// qpTrimStr: the text without the spaces and control characters at both ends.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "actions/text/UStringSystem.h"
#include "core/UUtilities.h"

namespace qp {

bool TrimStrActionExec(const std::string& text, const std::string& resultName) {
  SetVariable(resultName, TrimAnsiText(text, TrimSide::Both));
  return true;
}

}  // namespace qp
