// The Strings rules, in a single-byte code page and in a double-byte one
// (lead bytes 0x81-0x9F and 0xE0-0xFC): quoting then dequoting gives the text
// back, reversing twice does too, the cuts agree with plain substrings, the
// byte trims agree with the shared trims, repetition has the expected length,
// and the conditional texts keep or add exactly their piece.
#include <algorithm>

#include "actions/text/UStringRules.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// A text that does not end in a lead byte with no second byte after it.
bool WellFormed(std::string_view text, qp::LeadBytePredicate isLead) {
  if (isLead == nullptr) return true;
  size_t i = 0;
  while (i < text.size()) {
    if (isLead(static_cast<unsigned char>(text[i])) && i + 1 == text.size()) return false;
    i += qp::CharLengthAt(text, i, isLead);
  }
  return true;
}

int64_t SmallNumber(uint8_t b) { return static_cast<int64_t>(b) - 128; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const qp::LeadBytePredicate isLead = (data[0] & 1) ? &ShiftJisLead : nullptr;
  const char quote = static_cast<char>(data[1]);
  const int64_t position = SmallNumber(data[2]), count = SmallNumber(data[3]);
  const std::string_view text = fuzz::AsText(data + 4, size - 4);
  const bool wellFormed = WellFormed(text, isLead);

  // Quoting.
  const std::string quoted = qp::QuoteText(text, quote, isLead);
  FUZZ_CHECK(quoted.size() >= text.size() + 2 && quoted.front() == quote && quoted.back() == quote);
  if (isLead == nullptr) {
    FUZZ_CHECK(quoted.size() == text.size() + 2 + static_cast<size_t>(std::count(text.begin(), text.end(), quote)));
  }
  if (wellFormed && !(isLead && isLead(static_cast<unsigned char>(quote)))) {
    FUZZ_CHECK(qp::DequoteText(quoted, quote, isLead) == text);
  }
  FUZZ_CHECK(qp::DequoteText(text, quote, isLead).size() <= text.size());

  // Reversal.
  const std::string reversed = qp::ReverseText(text, isLead);
  FUZZ_CHECK(reversed.size() == text.size());
  if (wellFormed) FUZZ_CHECK(qp::ReverseText(reversed, isLead) == text);
  if (isLead == nullptr) FUZZ_CHECK(std::equal(text.rbegin(), text.rend(), reversed.begin()));

  // Cutting, including the 32-bit extremes the integer rule lets through.
  const int64_t length = static_cast<int64_t>(text.size());
  for (int64_t p : {position, int64_t{INT32_MIN}, int64_t{INT32_MAX}, length, length + 1}) {
    for (int64_t c : {count, int64_t{INT32_MIN}, int64_t{INT32_MAX}, int64_t{0}}) {
      const std::string piece = qp::CutText(text, p, c);
      const int64_t from = std::max<int64_t>(p, 1);
      std::string want;
      if (from <= length && c > 0) want = std::string(text.substr(static_cast<size_t>(from - 1), static_cast<size_t>(std::min(c, length))));
      FUZZ_CHECK(piece == want);
    }
  }
  FUZZ_CHECK(qp::LeftText(text, count) == qp::CutText(text, 1, count));
  const std::string right = qp::RightText(text, count);
  FUZZ_CHECK(right == (count <= 0 ? std::string() : std::string(text.substr(text.size() - std::min<size_t>(count, text.size())))));

  // Trimming by bytes agrees with the shared trims in a single-byte code page.
  if (isLead == nullptr) {
    FUZZ_CHECK(qp::TrimTextBytes(text, qp::TrimSide::Both, nullptr) == qp::TrimBlanks(text));
    FUZZ_CHECK(qp::TrimTextBytes(text, qp::TrimSide::Left, nullptr) == qp::TrimLeftBlanks(text));
    FUZZ_CHECK(qp::TrimTextBytes(text, qp::TrimSide::Right, nullptr) == qp::TrimRightBlanks(text));
  } else {
    const std::string both = qp::TrimTextBytes(text, qp::TrimSide::Both, isLead);
    FUZZ_CHECK(text.find(both) != std::string_view::npos);
  }

  // Repetition: small counts are built, counts whose result passes the 32-bit
  // length are refused without being attempted.
  std::string dupe = "unchanged";
  FUZZ_CHECK(qp::DupeText(text, count, dupe));
  FUZZ_CHECK(dupe.size() == (count > 0 ? text.size() * static_cast<size_t>(count) : 0));
  for (size_t k = 0; k < dupe.size(); k += std::max<size_t>(text.size(), 1)) FUZZ_CHECK(dupe.compare(k, text.size(), text) == 0);
  if (!text.empty()) {
    const int64_t tooMany = int64_t{INT32_MAX} / static_cast<int64_t>(text.size()) + 1;
    FUZZ_CHECK(!qp::DupeText(text, tooMany, dupe) && dupe.empty());
  }

  // Conditional texts: split the text at its middle into a text and a piece.
  const std::string_view a = text.substr(0, text.size() / 2), b = text.substr(text.size() / 2);
  const std::string appended = qp::IfAppendText(a, b);
  FUZZ_CHECK(appended.size() >= b.size() && appended.compare(appended.size() - b.size(), b.size(), b) == 0);
  FUZZ_CHECK(appended == std::string(a) || appended == std::string(a) + std::string(b));
  FUZZ_CHECK(qp::IfAppendText(appended, b) == appended);
  const std::string prepended = qp::IfPrependText(a, b);
  FUZZ_CHECK(prepended.compare(0, b.size(), b) == 0);
  FUZZ_CHECK(qp::IfPrependText(prepended, b) == prepended);
  const bool picks = a == "True" || a == "Checked";
  FUZZ_CHECK(qp::IfThenText(a, "T", "F") == (picks ? "T" : "F"));
  return 0;
}
