// The shared rules every action leans on: the split list, line splitting and
// the blank trims. Each result is destroyed inside the timed loop, as an
// action drops its pieces when it returns.
#include "core/UTextRules.h"
#include "tests/bench/BenchData.h"

namespace {

void BM_SplitText(benchmark::State& state) {
  const std::string& text = bench::Text(bench::kListUnit, state.range(0));
  bench::Measure(state, text.size(), [&] { return qp::SplitText(",", text).size(); });
}
BENCHMARK(BM_SplitText)->Apply(bench::Sizes);

void BM_SplitTextLongSeparator(benchmark::State& state) {
  const std::string& text = bench::Text("item-00000042::ab", state.range(0));
  bench::Measure(state, text.size(), [&] { return qp::SplitText("::", text).size(); });
}
BENCHMARK(BM_SplitTextLongSeparator)->Apply(bench::Sizes);

void BM_SplitLines(benchmark::State& state) {
  const std::string& text = bench::Text(bench::kLinesUnit, state.range(0));
  bench::Measure(state, text.size(), [&] { return qp::SplitLines(text).size(); });
}
BENCHMARK(BM_SplitLines)->Apply(bench::Sizes);

void BM_TrimBlanks(benchmark::State& state) {
  const std::string text = "\t\r\n  " + bench::Text(bench::kSafeUnit, state.range(0)) + " \r\n\t ";
  bench::Measure(state, text.size(), [&] { return qp::TrimBlanks(text).size(); });
}
BENCHMARK(BM_TrimBlanks)->Apply(bench::Sizes);

}  // namespace
