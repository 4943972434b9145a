// The integer rule against an independent reading of its grammar, plus round
// trips through the decimal and hexadecimal forms of the value it gives.
#include <cstring>

#include "core/UTextRules.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
unsigned HexValue(char c) {
  return c <= '9' ? unsigned(c - '0') : (c >= 'a' ? unsigned(c - 'a' + 10) : unsigned(c - 'A' + 10));
}

// The grammar read the long way: spaces, sign, prefix, digits without leading
// zeros compared by length and then by text against the limits.
bool Reference(std::string_view t, int32_t& out) {
  size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  bool neg = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
  std::string_view body = t.substr(i);
  bool hex = false;
  if (!body.empty() && (body[0] == '$' || body[0] == 'x' || body[0] == 'X')) {
    hex = true;
    body.remove_prefix(1);
  } else if (body.size() >= 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
    hex = true;
    body.remove_prefix(2);
  }
  if (body.empty()) return false;
  for (char c : body)
    if (hex ? !IsHex(c) : (c < '0' || c > '9')) return false;
  while (body.size() > 1 && body[0] == '0') body.remove_prefix(1);
  if (hex) {
    if (body.size() > 8) return false;
    uint32_t v = 0;
    for (char c : body) v = v * 16 + HexValue(c);
    out = static_cast<int32_t>(neg ? 0u - v : v);
    return true;
  }
  const std::string_view limit = neg ? "2147483648" : "2147483647";
  if (body.size() > limit.size() || (body.size() == limit.size() && body > limit)) return false;
  int64_t v = 0;
  for (char c : body) v = v * 10 + (c - '0');
  out = static_cast<int32_t>(neg ? -v : v);
  return true;
}

std::string Hex(uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", v);
  return buf;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);

  int32_t got = 0x5A5A5A5A, want = 0;
  const bool valid = qp::TryReadInteger(text, got);
  FUZZ_CHECK(valid == Reference(text, want));
  if (valid) {
    FUZZ_CHECK(got == want);
    FUZZ_CHECK(qp::ReadInteger(text, got ^ 1) == got);
    // A trailing blank always spoils the text; leading spaces never matter.
    FUZZ_CHECK(!qp::TryReadInteger(std::string(text) + " ", want));
    int32_t again = 0;
    FUZZ_CHECK(qp::TryReadInteger("  " + std::string(text), again) && again == got);
  } else {
    FUZZ_CHECK(qp::ReadInteger(text, -77) == -77);
  }

  // Any 32-bit value survives its decimal and hexadecimal forms.
  if (size >= 4) {
    int32_t v;
    std::memcpy(&v, data, 4);
    const std::string dec = qp::IntToText(v);
    int32_t back = 0;
    FUZZ_CHECK(qp::TryReadInteger(dec, back) && back == v);
    const uint32_t u = static_cast<uint32_t>(v);
    FUZZ_CHECK(qp::TryReadInteger("$" + Hex(u), back) && back == v);
    FUZZ_CHECK(qp::TryReadInteger("-0x" + Hex(u), back) && back == static_cast<int32_t>(0u - u));
    FUZZ_CHECK(qp::TryReadInteger("X00000" + Hex(u), back) && back == v);
  }
  return 0;
}
