// qpTrimRightStr: the text without the spaces and control characters at its end.
#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "actions/text/UStringSystem.h"
#include "core/UUtilities.h"

namespace qp {

bool TrimRightStrActionExec(const std::string& text, const std::string& resultName) {
  SetVariable(resultName, TrimAnsiText(text, TrimSide::Right));
  return true;
}

}  // namespace qp
