// qpRandomFromStr: one of the "|"-separated alternatives, chosen by a fixed
// generator whose seed is 0 at every load of the library and advances once
// per call, so a run of picks can be repeated by reloading.
#include <cstdint>
#include <vector>

#include "actions/UActionExecs.h"
#include "actions/text/UStringRules.h"
#include "core/UUtilities.h"

namespace qp {

namespace {
uint32_t randomSeed = 0;  // private to this action
}  // namespace

bool RandomFromStrActionExec(const std::string& alternatives, const std::string& resultName) {
  const std::vector<std::string> pieces = SplitText("|", alternatives);
  randomSeed = AdvanceRandomSeed(randomSeed);
  SetVariable(resultName, pieces[RandomPickIndex(randomSeed, static_cast<uint32_t>(pieces.size()))]);
  return true;
}

}  // namespace qp
