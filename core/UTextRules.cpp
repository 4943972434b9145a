#include "core/UTextRules.h"

#include <cstring>

namespace qp {

namespace {

size_t FirstNonBlank(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlankChar(text[i])) ++i;
  return i;
}

size_t EndOfNonBlank(std::string_view text) {
  size_t n = text.size();
  while (n > 0 && IsBlankChar(text[n - 1])) --n;
  return n;
}

// How many bytes of s equal c, eight bytes at a time.
size_t CountByte(const char* s, size_t n, char c) {
  const uint64_t ones = 0x0101010101010101ull, low7 = 0x7F7F7F7F7F7F7F7Full;
  const uint64_t pattern = ones * static_cast<unsigned char>(c);
  size_t count = 0, i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t word;
    std::memcpy(&word, s + i, 8);
    const uint64_t x = word ^ pattern;  // a zero byte where s has c
    // The top bit of each byte of nonzero is set exactly when that byte of x is not zero.
    const uint64_t nonzero = (((x & low7) + low7) | x) & ~low7;
    // Their sum lands in the top byte of the product.
    count += 8 - static_cast<size_t>(((nonzero >> 7) * ones) >> 56);
  }
  for (; i < n; ++i) count += s[i] == c;
  return count;
}

}  // namespace

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsBlank(std::string_view text) { return FirstNonBlank(text) == text.size(); }

std::string TrimBlanks(std::string_view text) {
  size_t b = FirstNonBlank(text);
  if (b == text.size()) return std::string();
  return std::string(text.substr(b, EndOfNonBlank(text) - b));
}

std::string TrimLeftBlanks(std::string_view text) { return std::string(text.substr(FirstNonBlank(text))); }

std::string TrimRightBlanks(std::string_view text) { return std::string(text.substr(0, EndOfNonBlank(text))); }

bool TryReadInteger(std::string_view text, int32_t& value) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= n) return false;

  bool hex = false;
  if (text[i] == '$' || text[i] == 'x' || text[i] == 'X') {
    hex = true;
    ++i;
  } else if (text[i] == '0' && i + 1 < n && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return false;

  if (hex) {
    uint64_t v = 0;
    for (; i < n; ++i) {
      int d = HexDigitValue(text[i]);
      if (d < 0) return false;
      v = (v << 4) | static_cast<uint64_t>(d);
      if (v > 0xFFFFFFFFull) return false;  // leading zeros never get here
    }
    uint32_t pattern = static_cast<uint32_t>(v);
    if (negative) pattern = 0u - pattern;
    value = static_cast<int32_t>(pattern);
    return true;
  }

  uint64_t v = 0;
  for (; i < n; ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<uint64_t>(c - '0');
    if (v > 2147483648ull) return false;
  }
  if (negative) {
    value = static_cast<int32_t>(0u - static_cast<uint32_t>(v));
  } else {
    if (v > 2147483647ull) return false;
    value = static_cast<int32_t>(v);
  }
  return true;
}

int32_t ReadInteger(std::string_view text, int32_t defaultValue) {
  int32_t v;
  return TryReadInteger(text, v) ? v : defaultValue;
}

std::string UInt64ToText(uint64_t value) {
  char buf[24];
  char* p = buf + sizeof buf;
  do {
    *--p = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  return std::string(p, buf + sizeof buf);
}

std::string IntToText(int32_t value) {
  const uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  return value < 0 ? "-" + UInt64ToText(magnitude) : UInt64ToText(magnitude);
}

std::vector<std::string> SplitText(std::string_view separator, std::string_view text) {
  std::vector<std::string> pieces;
  if (separator.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  // Count the pieces first so the list is allocated once: growing it piece by
  // piece copies it again and again and dominates the time on long lists.
  // A one-byte separator (the usual case) is counted eight bytes at a time and
  // found with the single-character search.
  const bool single = separator.size() == 1;
  size_t count = 1;
  if (single) {
    count += CountByte(text.data(), text.size(), separator[0]);
  } else {
    for (size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator, at + separator.size()))
      ++count;
  }
  pieces.reserve(count);
  size_t start = 0;
  for (size_t k = 1; k < count; ++k) {
    size_t at = single ? text.find(separator[0], start) : text.find(separator, start);
    pieces.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

std::vector<std::string> SplitLines(std::string_view content) {
  std::vector<std::string> lines;
  // The first zero byte ends the text.
  const void* zero = std::memchr(content.data(), 0, content.size());
  const size_t n = zero ? static_cast<size_t>(static_cast<const char*>(zero) - content.data()) : content.size();
  const char* s = content.data();
  // Files break their lines with LF or CR LF almost always: one line per LF
  // (and one for an unbroken last line) sizes the list exactly for them; lone
  // CRs only make it grow.
  lines.reserve(CountByte(s, n, '\n') + 1);
  size_t i = 0;
  size_t lf = 0;  // position of the next LF at or after i (n when none)
  bool lfKnown = false;
  while (i < n) {
    if (!lfKnown || lf < i) {
      const void* p = std::memchr(s + i, '\n', n - i);
      lf = p ? static_cast<size_t>(static_cast<const char*>(p) - s) : n;
      lfKnown = true;
    }
    // The line runs up to the first CR or LF.
    const void* cr = std::memchr(s + i, '\r', lf - i);
    const size_t end = cr ? static_cast<size_t>(static_cast<const char*>(cr) - s) : lf;
    lines.emplace_back(s + i, end - i);
    i = end;
    if (i < n && s[i] == '\r') ++i;
    if (i < n && s[i] == '\n') ++i;
  }
  return lines;
}

std::string FillFormat(std::string_view format, std::initializer_list<std::string_view> args) {
  std::string out;
  auto arg = args.begin();
  size_t i = 0;
  while (i < format.size()) {
    if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
      if (arg != args.end()) out.append(*arg++);
      i += 2;
    } else {
      out.push_back(format[i++]);
    }
  }
  return out;
}

}  // namespace qp
