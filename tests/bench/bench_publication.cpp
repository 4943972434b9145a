// The publication rules: the SetVar plan over long name and value lists, and
// the prefix match of ClearVariables over a saved-variables file.
#include "actions/publication/UClearVariablesRules.h"
#include "actions/publication/USetVarRules.h"
#include "core/UTextRules.h"
#include "tests/bench/BenchData.h"

namespace {

// Names "v0000001,v0000001,..." and as many values "value-00042|...": the
// pairwise plan, one write per name. Bytes are those of both lists.
void BM_PlanSetVar(benchmark::State& state) {
  const size_t count = static_cast<size_t>(state.range(0)) / (9 + 12);
  static std::map<size_t, std::pair<std::string, std::string>> lists;
  auto& [names, values] = lists[count];
  if (names.empty()) {
    names = bench::Repeat("v0000001,", count * 9 - 1);
    values = bench::Repeat("value-00042|", count * 12 - 1);
  }
  std::vector<qp::SetVarWrite> writes;
  bench::Measure(state, names.size() + values.size(), [&] {
    qp::PlanSetVar(names, values, "|", writes);
    return writes.size();
  });
}
BENCHMARK(BM_PlanSetVar)->Apply(bench::Sizes);

// The match step of a "Game*" item: every saved line's name against the prefix.
void BM_ClearVariablesPrefixMatch(benchmark::State& state) {
  const std::string& file = bench::Text("GameScore=100\r\nLevelName=Castle\r\nGameLives=3\r\n", state.range(0));
  const std::vector<std::string> lines = qp::SplitLines(file);
  bench::Measure(state, file.size(), [&] {
    size_t matched = 0;
    for (const std::string& line : lines) matched += qp::NameHasPrefix(qp::SavedVariableName(line), "Game");
    return matched;
  });
}
BENCHMARK(BM_ClearVariablesPrefixMatch)->Apply(bench::Sizes);

}  // namespace
