// The Strings rules that meet large inputs: URL coding, repetition, reversal
// and trimming.
#include "actions/text/UStringRules.h"
#include "tests/bench/BenchData.h"

namespace {

bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

void BM_UrlEncodeText_Safe(benchmark::State& state) {
  const std::string& text = bench::Text(bench::kSafeUnit, state.range(0));
  bench::Measure(state, text.size(), [&] { return qp::UrlEncodeText(text).size(); });
}
BENCHMARK(BM_UrlEncodeText_Safe)->Apply(bench::Sizes);

void BM_UrlEncodeText_Mixed(benchmark::State& state) {
  const std::string& text = bench::Text(bench::kMixedUnit, state.range(0));
  bench::Measure(state, text.size(), [&] { return qp::UrlEncodeText(text).size(); });
}
BENCHMARK(BM_UrlEncodeText_Mixed)->Apply(bench::Sizes);

// Decoding the encoding of the mixed text; bytes counted are the encoded input.
void BM_UrlDecodeText(benchmark::State& state) {
  static std::map<int64_t, std::string> encoded;
  std::string& text = encoded[state.range(0)];
  if (text.empty()) text = qp::UrlEncodeText(bench::Text(bench::kMixedUnit, state.range(0)));
  bench::Measure(state, text.size(), [&] { return qp::UrlDecodeText(text).size(); });
}
BENCHMARK(BM_UrlDecodeText)->Apply(bench::Sizes);

// The size is that of the result: a 64-byte text repeated.
void BM_DupeText(benchmark::State& state) {
  const size_t total = static_cast<size_t>(state.range(0));
  const std::string_view unit = bench::kSafeUnit;
  bench::Measure(state, total, [&] {
    std::string out;
    qp::DupeText(unit, static_cast<int64_t>(total / unit.size()), out);
    return out.size();
  });
}
BENCHMARK(BM_DupeText)->Apply(bench::Sizes);

void BM_ReverseText(benchmark::State& state) {
  const std::string& text = bench::Text(bench::kMixedUnit, state.range(0));
  bench::Measure(state, text.size(), [&] { return qp::ReverseText(text, nullptr).size(); });
}
BENCHMARK(BM_ReverseText)->Apply(bench::Sizes);

void BM_ReverseText_DoubleByte(benchmark::State& state) {
  const std::string& text = bench::Text(bench::kMixedUnit, state.range(0));
  bench::Measure(state, text.size(), [&] { return qp::ReverseText(text, &ShiftJisLead).size(); });
}
BENCHMARK(BM_ReverseText_DoubleByte)->Apply(bench::Sizes);

void BM_TrimTextBytes_DoubleByte(benchmark::State& state) {
  const std::string text = "\t\r\n  " + bench::Text(bench::kMixedUnit, state.range(0)) + " \r\n\t ";
  bench::Measure(state, text.size(), [&] { return qp::TrimTextBytes(text, qp::TrimSide::Both, &ShiftJisLead).size(); });
}
BENCHMARK(BM_TrimTextBytes_DoubleByte)->Apply(bench::Sizes);

void BM_TrimUnits_Utf16(benchmark::State& state) {
  const std::string& bytes = bench::Text(bench::kSafeUnit, state.range(0));
  const std::u16string text = u"\t\r\n " + std::u16string(bytes.begin(), bytes.end()) + u" \r\n";
  bench::Measure(state, bytes.size(), [&] { return qp::TrimUnits<char16_t>(text, qp::TrimSide::Both).size(); });
}
BENCHMARK(BM_TrimUnits_Utf16)->Apply(bench::Sizes);

}  // namespace
