// The split list: joining the pieces with the separator gives the text back,
// k non-overlapping occurrences give k + 1 pieces, and no piece holds an
// occurrence of the separator (the search always takes the first one).
#include <vector>

#include "core/UTextRules.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

size_t CountOccurrences(std::string_view text, std::string_view sep) {
  if (sep.empty()) return 0;
  size_t n = 0;
  for (size_t i = 0; i + sep.size() <= text.size();) {
    if (text.compare(i, sep.size(), sep) == 0) {
      ++n;
      i += sep.size();
    } else {
      ++i;
    }
  }
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view sep, text;
  fuzz::TwoTexts(fuzz::AsText(data, size), 6, sep, text);

  const std::vector<std::string> pieces = qp::SplitText(sep, text);
  FUZZ_CHECK(!pieces.empty());
  FUZZ_CHECK(pieces.size() == CountOccurrences(text, sep) + 1);

  std::string joined;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i) joined.append(sep);
    joined.append(pieces[i]);
    if (!sep.empty()) FUZZ_CHECK(pieces[i].find(sep) == std::string::npos);
  }
  FUZZ_CHECK(joined == text);
  if (sep.empty()) FUZZ_CHECK(pieces.size() == 1);
  return 0;
}
