// URL coding: decoding an encoding gives the text back; the encoding holds
// only safe bytes and "%" with two upper-case digits, two more bytes per
// unsafe byte; and the decoder agrees, byte for byte, with the escape read as
// "$" plus its digits by the integer rule, or gives the empty text.
#include <cctype>

#include "actions/text/UStringRules.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

bool Safe(unsigned char c) {
  return c == '-' || c == '.' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
         (c >= 'a' && c <= 'z');
}

// The decoder by its definition: each escape's one or two digits read with
// the shared integer rule. False for a malformed input.
bool ReferenceDecode(std::string_view text, std::string& out) {
  out.clear();
  for (size_t i = 0; i < text.size();) {
    if (text[i] != '%') {
      out.push_back(text[i++]);
      continue;
    }
    const std::string_view digits = text.substr(i + 1, 2);
    int32_t value = 0;
    // The rule accepts leading spaces and signs; the two bytes after "%" may
    // only be hexadecimal digits, so anything else is refused here first.
    for (char c : digits)
      if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    if (!qp::TryReadInteger("$" + std::string(digits), value)) return false;
    out.push_back(static_cast<char>(value));
    i += 1 + digits.size();
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);

  const std::string encoded = qp::UrlEncodeText(text);
  size_t unsafe = 0;
  for (unsigned char c : text) unsafe += !Safe(c);
  FUZZ_CHECK(encoded.size() == text.size() + 2 * unsafe);
  for (size_t i = 0; i < encoded.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(encoded[i]);
    if (c == '%') {
      FUZZ_CHECK(i + 2 < encoded.size());
      for (size_t k = 1; k <= 2; ++k) {
        const char d = encoded[i + k];
        FUZZ_CHECK((d >= '0' && d <= '9') || (d >= 'A' && d <= 'F'));
      }
      i += 2;
    } else {
      FUZZ_CHECK(Safe(c));
    }
  }
  FUZZ_CHECK(qp::UrlDecodeText(encoded) == text);

  std::string want;
  const bool wellFormed = ReferenceDecode(text, want);
  const std::string decoded = qp::UrlDecodeText(text);
  FUZZ_CHECK(decoded == (wellFormed ? want : std::string()));
  FUZZ_CHECK(decoded.size() <= text.size());
  return 0;
}
