// The pure rules of the Strings actions: cutting, quoting, dequoting,
// reversal, trimming, repetition, the random choice, the conditional texts and
// URL coding. Double-byte handling is checked with a lead-byte predicate that
// plays a Japanese-style code page: 0x81-0x9F and 0xE0-0xFC begin a
// two-byte character, and 0x5C ("\") is a valid second byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "actions/text/UStringRules.h"

namespace qp {
namespace {

bool FakeLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// A second byte that is a blank, which no real double-byte code page has but
// which shows whether trimming reads characters rather than bytes.
bool LeadBefore01(unsigned char b) { return b == 0x81; }

constexpr int64_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();

struct CutCase {
  const char* text;
  int64_t position, count;
  const char* expected;
};

TEST(CuttingRuleTest, Table) {
  const CutCase cases[] = {
      {"", 1, 5, ""},          {"abcdef", 2, 3, "bcd"},   {"abcdef", 0, 3, "abc"},
      {"abcdef", -5, 2, "ab"}, {"abcdef", 7, 1, ""},      {"abcdef", 6, 1, "f"},
      {"abcdef", 5, 10, "ef"}, {"abcdef", 1, 0, ""},      {"abcdef", 1, -1, ""},
      {"abcdef", kMin32, kMax32, "abcdef"},               {"abcdef", kMax32, kMax32, ""},
  };
  for (const CutCase& c : cases)
    EXPECT_EQ(CutText(c.text, c.position, c.count), c.expected) << c.text << " from " << c.position << " n " << c.count;
}

TEST(CuttingRuleTest, LeftAndRight) {
  const struct {
    int64_t count;
    const char *left, *right;
  } cases[] = {
      {2, "ab", "ef"}, {0, "", ""}, {-3, "", ""}, {6, "abcdef", "abcdef"}, {10, "abcdef", "abcdef"},
      // The start of a right piece is worked out without 32-bit wrap-round.
      {kMin32, "", ""}, {kMax32, "abcdef", "abcdef"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeftText("abcdef", c.count), c.left) << c.count;
    EXPECT_EQ(RightText("abcdef", c.count), c.right) << c.count;
  }
  EXPECT_EQ(RightText("", 3), "");
}

TEST(CuttingRuleTest, CountsFollowTheIntegerRuleWithADefault) {
  EXPECT_EQ(ReadCount(" 3", 9), 3);
  EXPECT_EQ(ReadCount("3 ", 9), 9);
  EXPECT_EQ(ReadCount("$10", 9), 16);
  EXPECT_EQ(ReadCount("", 9), 9);
  EXPECT_EQ(ReadCount("-2147483648", 9), kMin32);
}

TEST(CharBoundaryTest, FollowsLeadBytesFromTheStart) {
  const std::string text = "a\x83\\b";  // a, one double-byte character, b
  EXPECT_TRUE(IsCharBoundary(text, 0, FakeLead));
  EXPECT_TRUE(IsCharBoundary(text, 1, FakeLead));
  EXPECT_FALSE(IsCharBoundary(text, 2, FakeLead));  // the "\" is a second byte
  EXPECT_TRUE(IsCharBoundary(text, 3, FakeLead));
  EXPECT_TRUE(IsCharBoundary(text, 4, FakeLead));
  EXPECT_TRUE(IsCharBoundary(text, 2, nullptr));
  // Two lead bytes in a row: the second is a second byte, not a lead.
  EXPECT_TRUE(IsCharBoundary("\x83\x83\x83", 2, FakeLead));
  EXPECT_FALSE(IsCharBoundary("\x83\x83\x83", 1, FakeLead));
}

struct QuoteCase {
  const char* text;
  char quote;
  LeadBytePredicate lead;
  const char* quoted;
};

TEST(QuoteTest, Table) {
  const QuoteCase cases[] = {
      {"it's", '\'', nullptr, "'it''s'"},
      {"", '\'', nullptr, "''"},
      {"'", '\'', nullptr, "''''"},
      {"a\"b", '"', nullptr, "\"a\"\"b\""},
      // The "\" inside a double-byte character is not the quote...
      {"\x83\\", '\\', FakeLead, "\\\x83\\\\"},
      // ...but it is in a single-byte code page, and standing alone.
      {"\x83\\", '\\', nullptr, "\\\x83\\\\\\"},
      {"a\\", '\\', FakeLead, "\\a\\\\\\"},
  };
  for (const QuoteCase& c : cases) EXPECT_EQ(QuoteText(c.text, c.quote, c.lead), c.quoted) << c.text;
}

TEST(DequoteTest, Table) {
  const QuoteCase cases[] = {
      {"'it''s'", '\'', nullptr, "it's"},
      {"'abc'def", '\'', nullptr, "abc"},
      {"abc", '\'', nullptr, "abc"},
      {"", '\'', nullptr, ""},
      {"'abc", '\'', nullptr, "'abc"},
      {"''", '\'', nullptr, ""},
      {"''abc", '\'', nullptr, "''abc"},
      {"''abc'", '\'', nullptr, ""},
      {"'", '\'', nullptr, ""},
      {"'''", '\'', nullptr, ""},
      {"''''", '\'', nullptr, "'"},
      {"'''x'", '\'', nullptr, "'x"},
      {"'a''b'", '\'', nullptr, "a'b"},
      // No closing quote although the text ends with one: left as it is.
      {"'a''", '\'', nullptr, "'a''"},
      {"'''''", '\'', nullptr, "'''''"},
      // The "\" of a double-byte character neither closes nor doubles.
      {"\\\x83\\\\", '\\', FakeLead, "\x83\\"},
      {"\\\x83\\x\\", '\\', FakeLead, "\x83\\x"},
      {"\\\x83\\", '\\', FakeLead, "\\\x83\\"},   // unclosed, and ends in a second byte
      {"\\\x83\\", '\\', nullptr, "\x83"},        // single-byte: the "\" closes
  };
  for (const QuoteCase& c : cases) EXPECT_EQ(DequoteText(c.text, c.quote, c.lead), c.quoted) << c.text;
}

TEST(DequoteTest, UndoesQuoting) {
  for (const char* text : {"", "x", "it's", "''", "a'b'c", "'", " ' "})
    EXPECT_EQ(DequoteText(QuoteText(text, '\'', nullptr), '\'', nullptr), text) << text;
}

TEST(ReverseTest, KeepsDoubleByteCharactersWhole) {
  EXPECT_EQ(ReverseText("abc", nullptr), "cba");
  EXPECT_EQ(ReverseText("", nullptr), "");
  EXPECT_EQ(ReverseText("", FakeLead), "");
  EXPECT_EQ(ReverseText("a\x83\\b", FakeLead), "b\x83\\a");
  EXPECT_EQ(ReverseText("a\x83\\b", nullptr), "b\\\x83" "a");
  EXPECT_EQ(ReverseText("\x83\x83\x83", FakeLead), "\x83\x83\x83");  // pair, then a lone lead
  EXPECT_EQ(ReverseText("a\x83", FakeLead), "\x83" "a");              // a lead byte at the end stands alone
}

TEST(TrimTest, UnitsOfAnyWidth) {
  const std::u16string text = u"\t\r\n x y\u00a0  ";
  EXPECT_EQ(TrimUnits<char16_t>(text, TrimSide::Both), u"x y\u00a0");
  EXPECT_EQ(TrimUnits<char16_t>(text, TrimSide::Left), u"x y\u00a0  ");
  EXPECT_EQ(TrimUnits<char16_t>(text, TrimSide::Right), u"\t\r\n x y\u00a0");
  EXPECT_EQ(TrimUnits<char16_t>(u" \x01\x1f ", TrimSide::Both), u"");
  EXPECT_EQ(TrimUnits<char16_t>(u"", TrimSide::Right), u"");
}

TEST(TrimTest, BytesReadAsCharacters) {
  EXPECT_EQ(TrimTextBytes("\t\n ab  ", TrimSide::Both, nullptr), "ab");
  EXPECT_EQ(TrimTextBytes("\t\n ab  ", TrimSide::Left, nullptr), "ab  ");
  EXPECT_EQ(TrimTextBytes("\t\n ab  ", TrimSide::Right, nullptr), "\t\n ab");
  EXPECT_EQ(TrimTextBytes("   ", TrimSide::Both, nullptr), "");
  EXPECT_EQ(TrimTextBytes("   ", TrimSide::Right, nullptr), "");
  // The blank after 0x81 is its second byte and stays.
  EXPECT_EQ(TrimTextBytes(" x\x81\x01", TrimSide::Both, LeadBefore01), "x\x81\x01");
  EXPECT_EQ(TrimTextBytes(" x\x81\x01", TrimSide::Both, nullptr), "x\x81");
  EXPECT_EQ(TrimTextBytes("\x81\x01 ", TrimSide::Left, LeadBefore01), "\x81\x01 ");
}

TEST(DupeTest, Table) {
  const struct {
    const char* text;
    int64_t count;
    const char* expected;
  } cases[] = {
      {"ab", 3, "ababab"}, {"ab", 1, "ab"}, {"ab", 0, ""}, {"ab", -2, ""}, {"", 5, ""}, {"abc", 7, "abcabcabcabcabcabcabc"},
  };
  for (const auto& c : cases) {
    std::string result = "stale";
    EXPECT_TRUE(DupeText(c.text, c.count, result));
    EXPECT_EQ(result, c.expected) << c.text << " x " << c.count;
  }
  std::string result;
  ASSERT_TRUE(DupeText("xyz", 1000, result));
  ASSERT_EQ(result.size(), 3000u);
  EXPECT_EQ(result.find_first_not_of("xyz"), std::string::npos);
  EXPECT_EQ(result.substr(2997), "xyz");
}

TEST(DupeTest, RefusesResultsBeyondA32BitLength) {
  // Refused before any memory is asked for, so this neither hangs nor exhausts memory.
  const struct {
    const char* text;
    int64_t count;
  } cases[] = {{"ab", kMax32}, {"abc", 715827883}, {"ab", 1073741824}};
  for (const auto& c : cases) {
    std::string result = "stale";
    EXPECT_FALSE(DupeText(c.text, c.count, result)) << c.text << " x " << c.count;
    EXPECT_EQ(result, "");
  }
}

TEST(RandomGeneratorTest, FirstPicksAfterLoading) {
  uint32_t seed = 0;
  const uint32_t expectedSeeds[] = {1u, 134775814u, 3698175007u};
  const size_t picksOfThree[] = {0, 0, 2};
  const size_t picksOfTen[] = {0, 0, 8};
  for (int call = 0; call < 3; ++call) {
    seed = AdvanceRandomSeed(seed);
    EXPECT_EQ(seed, expectedSeeds[call]);
    EXPECT_EQ(RandomPickIndex(seed, 3), picksOfThree[call]) << "call " << call;
    EXPECT_EQ(RandomPickIndex(seed, 10), picksOfTen[call]) << "call " << call;
    EXPECT_EQ(RandomPickIndex(seed, 1), 0u);
  }
  // The second pick is the first piece for up to 31 pieces only.
  EXPECT_EQ(RandomPickIndex(134775814u, 31), 0u);
  EXPECT_EQ(RandomPickIndex(134775814u, 32), 1u);
  EXPECT_EQ(RandomPickIndex(0xFFFFFFFFu, 7), 6u);  // never past the last piece
}

TEST(ConditionalTextTest, IfThen) {
  for (const char* yes : {"True", "Checked"}) EXPECT_EQ(IfThenText(yes, "A", "B"), "A") << yes;
  for (const char* no : {"true", "TRUE", " True", "True ", "1", "Yes", "", "checked"})
    EXPECT_EQ(IfThenText(no, "A", "B"), "B") << no;
}

TEST(ConditionalTextTest, AppendAndPrepend) {
  const struct {
    const char *text, *piece, *appended, *prepended;
  } cases[] = {
      {"C:\\Temp", "\\", "C:\\Temp\\", "\\C:\\Temp"},
      {"C:\\Temp\\", "\\", "C:\\Temp\\", "\\C:\\Temp\\"},
      {"abc", "", "abc", "abc"},
      {"", "x", "x", "x"},
      {"", "", "", ""},
      {"abc", "ABC", "abcABC", "ABCabc"},
      {"Smith", "Mr ", "SmithMr ", "Mr Smith"},
      {"Mr Smith", "Mr ", "Mr SmithMr ", "Mr Smith"},
      {"ab", "abc", "ababc", "abcab"},
      {"bc", "abc", "bcabc", "abcbc"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IfAppendText(c.text, c.piece), c.appended) << c.text << " + " << c.piece;
    EXPECT_EQ(IfPrependText(c.text, c.piece), c.prepended) << c.piece << " + " << c.text;
  }
}

TEST(UrlCodingTest, Encode) {
  const struct {
    const char *text, *encoded;
  } cases[] = {
      {"a b&c=d", "a%20b%26c%3Dd"}, {"file-name_1.txt", "file-name_1.txt"}, {"~*'()", "%7E%2A%27%28%29"},
      {"+", "%2B"},                 {"", ""},                               {"\xe9\x83\\", "%E9%83%5C"},
      {"%", "%25"},                 {"\x01\x7f\xff", "%01%7F%FF"},
  };
  for (const auto& c : cases) EXPECT_EQ(UrlEncodeText(c.text), c.encoded) << c.text;
  // Long runs of escapes outgrow the room first set aside for them.
  std::string spaces(5000, ' '), expected;
  for (int i = 0; i < 5000; ++i) expected += "%20";
  EXPECT_EQ(UrlEncodeText(spaces), expected);
  EXPECT_EQ(UrlEncodeText("abcdefgh ijklmnop~"), "abcdefgh%20ijklmnop%7E");
}

TEST(UrlCodingTest, SafeSetIsExactlyLettersDigitsAndThreeMarks) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    const bool safe = (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '-' ||
                      b == '.' || b == '_';
    EXPECT_EQ(UrlEncodeText(one).size(), safe ? 1u : 3u) << b;
  }
}

TEST(UrlCodingTest, Decode) {
  const struct {
    const char* text;
    std::string decoded;
  } cases[] = {
      {"a%20b", "a b"},   {"%7e%7E", "~~"},       {"a+b", "a+b"},       {"100%", ""},        {"%4", "\x04"},
      {"%zz", ""},        {"abc%4g", ""},         {"%%41", ""},         {"%2541", "%41"},    {"", ""},
      {"%", ""},          {"%g", ""},             {"%-1", ""},          {"% 1", ""},         {"%41%42", "AB"},
      {"ab%00cd", std::string("ab\0cd", 5)},      {"plain", "plain"},   {"%fF", "\xff"},     {"x%4", "x\x04"},
  };
  for (const auto& c : cases) EXPECT_EQ(UrlDecodeText(c.text), c.decoded) << c.text;
}

TEST(UrlCodingTest, DecodingTheEncodingGivesTheTextBack) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> length(0, 64), byte(0, 255);
  for (int round = 0; round < 2000; ++round) {
    std::string text(static_cast<size_t>(length(random)), '\0');
    for (char& c : text) c = static_cast<char>(byte(random));
    ASSERT_EQ(UrlDecodeText(UrlEncodeText(text)), text) << "round " << round;
  }
}

}  // namespace
}  // namespace qp
