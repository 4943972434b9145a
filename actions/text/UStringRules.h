#pragma once
// The pure rules of the Strings actions: cutting, quoting and dequoting,
// reversal, byte trimming, repetition, the random choice, the conditional
// texts and URL coding. No Windows calls: where a rule must know the ANSI code
// page's double-byte characters it takes a lead-byte predicate, which the
// action shells fill from the system and the native tests fake.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/UTextRules.h"

namespace qp {

// A count or position argument by the integer rule, with the given value for
// a text that is not a valid integer (64 bits so that a text's length fits).
inline int64_t ReadCount(std::string_view argument, int64_t fallback) {
  int32_t value = 0;
  return TryReadInteger(argument, value) ? value : fallback;
}

// Whether a byte begins a double-byte character of the code page. A null
// predicate stands for a single-byte code page (every byte is a character).
using LeadBytePredicate = bool (*)(unsigned char byte);

// Length in bytes of the character that begins at offset: 2 for a lead byte
// that has a byte after it, else 1. offset must be below text.size().
inline size_t CharLengthAt(std::string_view text, size_t offset, LeadBytePredicate isLead) {
  if (isLead != nullptr && offset + 1 < text.size() && isLead(static_cast<unsigned char>(text[offset]))) return 2;
  return 1;
}

// Whether offset falls on the start of a character (or at the end of the
// text) when text is read character by character from its beginning.
bool IsCharBoundary(std::string_view text, size_t offset, LeadBytePredicate isLead);

// The common cutting rule: the piece of text from position (counted from 1)
// taking count bytes. An empty text, a position past the end or a count of 0
// or less give the empty text; a position below 1 is taken as 1 without
// shortening the count; the piece stops at the end of the text.
std::string CutText(std::string_view text, int64_t position, int64_t count);
std::string LeftText(std::string_view text, int64_t count);
std::string RightText(std::string_view text, int64_t count);

// Q, the text with every single-byte Q doubled, Q. The second byte of a
// double-byte character is never taken for Q.
std::string QuoteText(std::string_view text, char quote, LeadBytePredicate isLead);
// The inverse of QuoteText for a text that begins with the quote; see the
// definition file for the forms that are left unchanged.
std::string DequoteText(std::string_view text, char quote, LeadBytePredicate isLead);

// The characters in reverse order; a double-byte character keeps its two
// bytes in their order.
std::string ReverseText(std::string_view text, LeadBytePredicate isLead);

// Which ends a trim removes characters of code 32 or less from.
enum class TrimSide { Both, Left, Right };

// Trims code units of 32 or less (space and control characters) from the
// chosen ends of a text of any code-unit type (UTF-16 for the actions).
template <typename Char>
std::basic_string<Char> TrimUnits(std::basic_string_view<Char> text, TrimSide side) {
  size_t begin = 0, end = text.size();
  auto blank = [](Char c) { return static_cast<uint32_t>(c) <= 32; };
  if (side != TrimSide::Right)
    while (begin < end && blank(text[begin])) ++begin;
  if (side != TrimSide::Left)
    while (end > begin && blank(text[end - 1])) --end;
  return std::basic_string<Char>(text.substr(begin, end - begin));
}

// The same on the ANSI bytes, reading double-byte characters as units: a
// byte of 32 or less that is the second byte of a double-byte character is
// kept. Used where the text does not survive the trip through UTF-16.
std::string TrimTextBytes(std::string_view text, TrimSide side, LeadBytePredicate isLead);

// Text repeated count times into result. A count of 0 or less or an empty
// text give the empty text. Returns false, with result empty, when the
// result would be longer than a 32-bit signed length or memory cannot hold it.
bool DupeText(std::string_view text, int64_t count, std::string& result);

// The random choice: a 32-bit seed advanced by seed * 134775813 + 1 (mod
// 2^32) before each pick; the pick among n pieces is the high 32 bits of the
// 64-bit product seed * n.
inline uint32_t AdvanceRandomSeed(uint32_t seed) { return seed * 134775813u + 1u; }
inline size_t RandomPickIndex(uint32_t seed, uint32_t count) {
  return static_cast<size_t>((static_cast<uint64_t>(seed) * count) >> 32);
}

// The two-way choice: "True" or "Checked", byte for byte, picks ifTrue.
std::string IfThenText(std::string_view value, std::string_view ifTrue, std::string_view ifFalse);
// Text followed by suffix, unless text already ends with it (bytes, exact).
std::string IfAppendText(std::string_view text, std::string_view suffix);
// Prefix followed by text, unless text already begins with it (bytes, exact).
std::string IfPrependText(std::string_view text, std::string_view prefix);

// URL coding by bytes. Safe bytes ("-", ".", digits, letters, "_") stay; every
// other byte becomes "%" and two upper-case hexadecimal digits.
std::string UrlEncodeText(std::string_view text);
// Reverses UrlEncodeText: "%" and one or two hexadecimal digits (either case)
// give one byte; "+" stays. A malformed escape anywhere makes the whole result
// the empty text. A "%00" escape puts a zero byte into the result.
std::string UrlDecodeText(std::string_view text);

}  // namespace qp
