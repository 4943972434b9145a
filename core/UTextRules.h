#pragma once
// The pure text rules every action shares: the blank test, the integer rule,
// the split list and the line splitting of a text file. No Windows calls, so
// they build and are tested natively too.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qp {

// A character of code 32 or less (space and the control characters).
inline bool IsBlankChar(char c) { return static_cast<unsigned char>(c) <= 32; }

// The value of one hexadecimal digit (either case), or -1.
int HexDigitValue(char c);

// Blank: nothing left after removing leading and trailing characters of code
// 32 or less. Characters of code 33 and above (the no-break space included)
// are never removed.
bool IsBlank(std::string_view text);
std::string TrimBlanks(std::string_view text);
std::string TrimLeftBlanks(std::string_view text);
std::string TrimRightBlanks(std::string_view text);

// The integer rule: leading spaces (code 32 only), one optional sign, then a
// hexadecimal part ("$", "x", "X", "0x", "0X" and digits whose value fits in
// 32 bits; the bit pattern is the value) or a decimal part in the signed
// 32-bit range, and nothing after it.
bool TryReadInteger(std::string_view text, int32_t& value);
// The same with a default for an invalid text.
int32_t ReadInteger(std::string_view text, int32_t defaultValue);

// Decimal text of a signed 32-bit number ("-1", "0", "42").
std::string IntToText(int32_t value);
// Decimal text of an unsigned 64-bit number, without sign or leading zeros.
std::string UInt64ToText(uint64_t value);

// The split list: Text cut at every occurrence of Separator (bytes, exact,
// non-overlapping, left to right). k occurrences give k + 1 pieces; an empty
// separator never occurs.
std::vector<std::string> SplitText(std::string_view separator, std::string_view text);

// Line splitting of a file's whole content: a line runs up to the next CR, LF
// or zero byte; after it one CR and then one LF are skipped; the first zero
// byte ends the text. A final break adds no empty line; an empty content gives
// no lines.
std::vector<std::string> SplitLines(std::string_view content);

// Fills a format holding "%s" placeholders with the arguments in order, by
// plain substitution (nothing in an argument is escaped or interpreted).
std::string FillFormat(std::string_view format, std::initializer_list<std::string_view> args);

}  // namespace qp
