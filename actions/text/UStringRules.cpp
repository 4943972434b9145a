#include "actions/text/UStringRules.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

namespace qp {

bool IsCharBoundary(std::string_view text, size_t offset, LeadBytePredicate isLead) {
  if (offset > text.size()) return false;
  if (isLead == nullptr) return true;
  size_t i = 0;
  while (i < offset) i += CharLengthAt(text, i, isLead);
  return i == offset;
}

std::string CutText(std::string_view text, int64_t position, int64_t count) {
  const int64_t length = static_cast<int64_t>(text.size());
  if (length == 0) return std::string();
  if (position < 1) position = 1;
  if (position > length || count <= 0) return std::string();
  const int64_t remaining = length - position + 1;
  const int64_t taken = count < remaining ? count : remaining;
  return std::string(text.substr(static_cast<size_t>(position - 1), static_cast<size_t>(taken)));
}

std::string LeftText(std::string_view text, int64_t count) { return CutText(text, 1, count); }

std::string RightText(std::string_view text, int64_t count) {
  // Worked out in 64 bits: a count near the 32-bit minimum must not wrap the
  // start position round to a valid one.
  return CutText(text, static_cast<int64_t>(text.size()) + 1 - count, count);
}

std::string QuoteText(std::string_view text, char quote, LeadBytePredicate isLead) {
  std::string result;
  result.reserve(text.size() + 2);
  result.push_back(quote);
  for (size_t i = 0; i < text.size();) {
    const size_t length = CharLengthAt(text, i, isLead);
    if (length == 1 && text[i] == quote) result.push_back(quote);
    result.append(text.substr(i, length));
    i += length;
  }
  result.push_back(quote);
  return result;
}

namespace {

// Whether the text's last character is the single-byte quote.
bool EndsWithQuote(std::string_view text, char quote, LeadBytePredicate isLead) {
  return !text.empty() && text.back() == quote && IsCharBoundary(text, text.size() - 1, isLead);
}

}  // namespace

// The opening quote, then the characters up to the first quote that is not
// doubled; each doubled quote stands for one quote and anything after the
// closing quote is dropped. The forms that are not a quoted text:
// - no opening quote: the text unchanged;
// - an empty quoted part ("''" followed by more): empty when the text also
//   ends with the quote, else the text unchanged;
// - no closing quote: empty for the quote alone and for three quotes; any
//   other such text, whether or not it ends with the quote, is left as it is,
//   since it cannot be read as one quoted text without guessing.
std::string DequoteText(std::string_view text, char quote, LeadBytePredicate isLead) {
  if (text.empty()) return std::string();
  if (text[0] != quote || CharLengthAt(text, 0, isLead) != 1) return std::string(text);
  std::string inner;
  size_t closing = std::string_view::npos;
  for (size_t i = 1; i < text.size();) {
    const size_t length = CharLengthAt(text, i, isLead);
    if (length == 1 && text[i] == quote) {
      if (i + 1 < text.size() && text[i + 1] == quote) {
        inner.push_back(quote);
        i += 2;
        continue;
      }
      closing = i;
      break;
    }
    inner.append(text.substr(i, length));
    i += length;
  }
  if (closing != std::string_view::npos) {
    if (closing > 1) return inner;
    return EndsWithQuote(text, quote, isLead) ? std::string() : std::string(text);
  }
  if (text.size() == 1 || (text.size() == 3 && text[1] == quote && text[2] == quote)) return std::string();
  return std::string(text);
}

std::string ReverseText(std::string_view text, LeadBytePredicate isLead) {
  const size_t size = text.size();
  std::string result(size, '\0');
  if (isLead == nullptr) {
    for (size_t i = 0; i < size; ++i) result[size - 1 - i] = text[i];
    return result;
  }
  for (size_t i = 0; i < size;) {
    const size_t length = CharLengthAt(text, i, isLead);
    std::memcpy(&result[size - i - length], text.data() + i, length);
    i += length;
  }
  return result;
}

std::string TrimTextBytes(std::string_view text, TrimSide side, LeadBytePredicate isLead) {
  size_t begin = 0;
  if (side != TrimSide::Right)
    while (begin < text.size() && CharLengthAt(text, begin, isLead) == 1 &&
           static_cast<unsigned char>(text[begin]) <= 32)
      ++begin;
  size_t end = text.size();
  if (side != TrimSide::Left) {
    end = begin;  // the end of the last character that is not blank
    for (size_t i = begin; i < text.size();) {
      const size_t length = CharLengthAt(text, i, isLead);
      if (length != 1 || static_cast<unsigned char>(text[i]) > 32) end = i + length;
      i += length;
    }
  }
  return std::string(text.substr(begin, end - begin));
}

bool DupeText(std::string_view text, int64_t count, std::string& result) {
  result.clear();
  if (count <= 0 || text.empty()) return true;
  constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int32_t>::max());
  if (text.size() > kLimit || static_cast<uint64_t>(count) > kLimit / text.size()) return false;
  const uint64_t total = text.size() * static_cast<uint64_t>(count);
  if (total > result.max_size()) return false;
  try {
    result.reserve(static_cast<size_t>(total));
    result.assign(text);
    // Doubling: each append copies what is there already, within the
    // reserved block, so the whole takes about log2(count) copies.
    while (result.size() <= total / 2) result.append(result.data(), result.size());
    result.append(result.data(), static_cast<size_t>(total) - result.size());
  } catch (const std::bad_alloc&) {
    std::string().swap(result);
    return false;
  } catch (const std::length_error&) {
    std::string().swap(result);
    return false;
  }
  return true;
}

std::string IfThenText(std::string_view value, std::string_view ifTrue, std::string_view ifFalse) {
  return std::string(value == "True" || value == "Checked" ? ifTrue : ifFalse);
}

std::string IfAppendText(std::string_view text, std::string_view suffix) {
  const bool ends = text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
  std::string result(text);
  if (!ends) result.append(suffix);
  return result;
}

std::string IfPrependText(std::string_view text, std::string_view prefix) {
  const bool begins = text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
  if (begins) return std::string(text);
  std::string result;
  result.reserve(prefix.size() + text.size());
  result.append(prefix).append(text);
  return result;
}

namespace {

constexpr std::array<uint8_t, 256> MakeSafeTable() {
  std::array<uint8_t, 256> table{};
  for (int c = '0'; c <= '9'; ++c) table[c] = 1;
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = 1;
  for (int c = 'a'; c <= 'z'; ++c) table[c] = 1;
  table['-'] = table['.'] = table['_'] = 1;
  return table;
}

// The value of a hexadecimal digit, -1 for any other byte.
constexpr std::array<int8_t, 256> MakeHexTable() {
  std::array<int8_t, 256> table{};
  for (int c = 0; c < 256; ++c) table[c] = -1;
  for (int c = 0; c < 10; ++c) table['0' + c] = static_cast<int8_t>(c);
  for (int c = 0; c < 6; ++c) table['A' + c] = table['a' + c] = static_cast<int8_t>(10 + c);
  return table;
}

constexpr std::array<uint8_t, 256> kSafe = MakeSafeTable();
constexpr std::array<int8_t, 256> kHexValue = MakeHexTable();
constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

// One pass over the text. The result is sized for every byte plus some room
// for the two extra bytes of each escape; it grows (by about half) only when
// that room runs out, so the output is never appended to byte by byte. Runs
// of eight safe bytes, the common case in ordinary text, go in one copy.
std::string UrlEncodeText(std::string_view text) {
  const size_t size = text.size();
  const unsigned char* in = reinterpret_cast<const unsigned char*>(text.data());
  constexpr size_t kMax = std::numeric_limits<size_t>::max();
  // Invariant: result.size() == written + bytes still to read + extraLeft.
  size_t extraLeft = size / 8 + 16;
  if (size > kMax / 2) throw std::bad_alloc();
  std::string result(size + extraLeft, '\0');
  char* out = &result[0];
  auto put = [&](unsigned char c) {
    if (kSafe[c]) {
      *out++ = static_cast<char>(c);
      return;
    }
    if (extraLeft < 2) {
      const size_t written = static_cast<size_t>(out - result.data());
      const size_t grow = result.size() / 2 + 16;
      if (grow > kMax / 2 - result.size()) throw std::bad_alloc();
      result.resize(result.size() + grow);
      out = &result[0] + written;
      extraLeft += grow;
    }
    out[0] = '%';
    out[1] = kHexDigits[c >> 4];
    out[2] = kHexDigits[c & 15];
    out += 3;
    extraLeft -= 2;
  };
  size_t i = 0;
  for (; size - i >= 8; i += 8) {
    const unsigned char* p = in + i;
    if (kSafe[p[0]] & kSafe[p[1]] & kSafe[p[2]] & kSafe[p[3]] & kSafe[p[4]] & kSafe[p[5]] & kSafe[p[6]] & kSafe[p[7]]) {
      std::memcpy(out, p, 8);
      out += 8;
    } else {
      for (int k = 0; k < 8; ++k) put(p[k]);
    }
  }
  for (; i < size; ++i) put(in[i]);
  result.resize(static_cast<size_t>(out - result.data()));
  return result;
}

std::string UrlDecodeText(std::string_view text) {
  const size_t size = text.size();
  const char* in = text.data();
  std::string result(size, '\0');  // decoding never lengthens
  char* out = &result[0];
  size_t i = 0;
  while (i < size) {
    if (in[i] != '%') {
      // Encoded text mostly has short runs between escapes: copy a few bytes
      // one by one before paying for a search call.
      const size_t shortRun = std::min<size_t>(size - i, 8);
      size_t k = 0;
      while (k < shortRun && in[i + k] != '%') {
        out[k] = in[i + k];
        ++k;
      }
      out += k;
      i += k;
      if (i < size && in[i] != '%') {
        // Copy the rest of a longer run up to the next "%" in one go.
        const void* found = std::memchr(in + i, '%', size - i);
        const size_t stop = found ? static_cast<size_t>(static_cast<const char*>(found) - in) : size;
        std::memcpy(out, in + i, stop - i);
        out += stop - i;
        i = stop;
      }
      if (i == size) break;
    }
    // "%" and the (at most two) bytes after it must be hexadecimal digits.
    const size_t after = size - i - 1;
    if (after == 0) return std::string();
    const int high = kHexValue[static_cast<unsigned char>(in[i + 1])];
    if (high < 0) return std::string();
    if (after == 1) {
      *out++ = static_cast<char>(high);
      i += 2;
      continue;
    }
    const int low = kHexValue[static_cast<unsigned char>(in[i + 2])];
    if (low < 0) return std::string();
    *out++ = static_cast<char>(high * 16 + low);
    i += 3;
  }
  result.resize(static_cast<size_t>(out - result.data()));
  return result;
}

}  // namespace qp
