// The blank test and the three trims: a trimmed text is the matching slice of
// the input, has no character of code 32 or less at the trimmed ends, and the
// blank test agrees with the full trim being empty.
#include "core/UTextRules.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const std::string both = qp::TrimBlanks(text);
  const std::string left = qp::TrimLeftBlanks(text);
  const std::string right = qp::TrimRightBlanks(text);

  FUZZ_CHECK(qp::IsBlank(text) == both.empty());
  FUZZ_CHECK(text.size() >= left.size() && text.substr(text.size() - left.size()) == left);
  FUZZ_CHECK(text.substr(0, right.size()) == right);
  FUZZ_CHECK(left.empty() || !qp::IsBlankChar(left.front()));
  FUZZ_CHECK(right.empty() || !qp::IsBlankChar(right.back()));
  FUZZ_CHECK(qp::TrimRightBlanks(left) == both);
  FUZZ_CHECK(qp::TrimLeftBlanks(right) == both);
  // Only characters of code 32 or less were taken away.
  for (size_t i = 0; i < text.size() - left.size(); ++i) FUZZ_CHECK(qp::IsBlankChar(text[i]));
  for (size_t i = right.size(); i < text.size(); ++i) FUZZ_CHECK(qp::IsBlankChar(text[i]));
  return 0;
}
