// The SetVar plan: blank names or values give no plan; otherwise the writes
// take their shape from the counts (pairwise, one value for all, numbered
// families), every name and every value is used in order, and a numbered
// write's index is the position of its value.
#include <algorithm>

#include "actions/publication/USetVarRules.h"
#include "core/UTextRules.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input = fuzz::AsText(data, size), separator, rest;
  fuzz::TwoTexts(input, 4, separator, rest);
  // The rest is names, then values, cut at its first zero byte.
  const size_t cut = std::min(rest.find('\0'), rest.size());
  const std::string_view names = rest.substr(0, cut), values = rest.substr(std::min(cut + 1, rest.size()));

  std::vector<qp::SetVarWrite> writes = {{"stale", false, 0, "stale"}};
  const bool planned = qp::PlanSetVar(names, values, separator, writes);
  FUZZ_CHECK(planned == !(qp::IsBlank(names) || qp::IsBlank(values)));
  if (!planned) {
    FUZZ_CHECK(writes.empty());
    return 0;
  }
  const std::string sep = qp::IsBlank(separator) ? std::string("|") : std::string(separator);
  FUZZ_CHECK(qp::SetVarSeparator(separator) == sep);
  const auto nameList = qp::SplitText(",", names);
  const auto valueList = qp::SplitText(sep, values);
  const size_t n = nameList.size(), v = valueList.size();

  if (n == v || v == 1) {
    FUZZ_CHECK(writes.size() == n);
    for (size_t i = 0; i < n; ++i) {
      FUZZ_CHECK(!writes[i].numbered && writes[i].name == nameList[i]);
      FUZZ_CHECK(writes[i].value == valueList[n == v ? i : 0]);
    }
  } else {
    FUZZ_CHECK(writes.size() == n * v);
    for (size_t k = 0; k < writes.size(); ++k) {
      const size_t j = k / n, i = k % n;
      FUZZ_CHECK(writes[k].numbered && writes[k].index == static_cast<int32_t>(j));
      FUZZ_CHECK(writes[k].name == nameList[i] && writes[k].value == valueList[j]);
    }
  }
  return 0;
}
