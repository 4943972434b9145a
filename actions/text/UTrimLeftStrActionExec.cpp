// qpTrimLeftStr: the text without the spaces and control characters at its start.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "actions/text/UStringSystem.h"
#include "core/UUtilities.h"

namespace qp {

bool TrimLeftStrActionExec(const std::string& text, const std::string& resultName) {
  SetVariable(resultName, TrimAnsiText(text, TrimSide::Left));
  return true;
}

}  // namespace qp
