// The shared pure rules: blank test, integer rule, split list, line splitting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/UTextRules.h"

namespace qp {
namespace {

using Lines = std::vector<std::string>;

TEST(BlankTest, OnlyCodesUpTo32AreBlank) {
  EXPECT_TRUE(IsBlank(""));
  EXPECT_TRUE(IsBlank("  "));
  EXPECT_TRUE(IsBlank("\t\r\n \x01\x1f"));
  EXPECT_FALSE(IsBlank(" x "));
  EXPECT_FALSE(IsBlank("\xa0"));  // the no-break space stays
  EXPECT_FALSE(IsBlank("\x7f"));
  EXPECT_EQ(TrimBlanks("\t\n ab c  "), "ab c");
  EXPECT_EQ(TrimLeftBlanks("\t\n ab  "), "ab  ");
  EXPECT_EQ(TrimRightBlanks("\t\n ab  "), "\t\n ab");
  EXPECT_EQ(TrimBlanks("\xa0x\xa0"), "\xa0x\xa0");
}

struct IntCase {
  const char* text;
  bool valid;
  int32_t value;
};

TEST(IntegerRuleTest, Table) {
  const IntCase cases[] = {
      {"0", true, 0},           {"-0", true, 0},          {"+0", true, 0},
      {"12", true, 12},         {" 12", true, 12},        {"   -7", true, -7},
      {"12 ", false, 0},        {"\t12", false, 0},       {"", false, 0},
      {"   ", false, 0},        {"-", false, 0},          {"+", false, 0},
      {"$", false, 0},          {"0x", false, 0},         {"x", false, 0},
      {"-$10", true, -16},      {"0x1f", true, 31},       {"0X1F", true, 31},
      {"x1f", true, 31},        {"X1F", true, 31},        {"$ff", true, 255},
      {"$100000000", false, 0}, {"$000000001", true, 1},  {"$FFFFFFFF", true, -1},
      {"-$FFFFFFFF", true, 1},  {"$80000000", true, INT32_MIN}, {"-$80000000", true, INT32_MIN},
      {"2147483647", true, 2147483647}, {"2147483648", false, 0}, {"-2147483648", true, INT32_MIN},
      {"-2147483649", false, 0}, {"1e3", false, 0},       {"00012", true, 12},
      {"+-1", false, 0},        {"- 1", false, 0},        {"$ 1", false, 0},
      {"0x0x1", false, 0},      {"99999999999999999999", false, 0}, {"$0000000000000000000ff", true, 255},
      {"12a", false, 0},        {"0b1", false, 0},        {"$g", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    int32_t v = 12345;
    EXPECT_EQ(TryReadInteger(c.text, v), c.valid);
    if (c.valid) {
      EXPECT_EQ(v, c.value);
    }
    EXPECT_EQ(ReadInteger(c.text, -99), c.valid ? c.value : -99);
  }
}

TEST(IntegerRuleTest, DecimalTextRoundTrips) {
  for (int32_t v : {0, 1, -1, 9, 10, -10, 123456789, INT32_MAX, INT32_MIN}) {
    int32_t back = 0;
    ASSERT_TRUE(TryReadInteger(IntToText(v), back)) << v;
    EXPECT_EQ(back, v);
  }
  EXPECT_EQ(IntToText(-1), "-1");
  EXPECT_EQ(IntToText(INT32_MIN), "-2147483648");
}

TEST(UInt64TextTest, FullRange) {
  EXPECT_EQ(UInt64ToText(0), "0");
  EXPECT_EQ(UInt64ToText(4294967296ull), "4294967296");
  EXPECT_EQ(UInt64ToText(5368709120ull), "5368709120");
  EXPECT_EQ(UInt64ToText(18446744073709551615ull), "18446744073709551615");
}

struct SplitCase {
  const char* separator;
  const char* text;
  std::vector<std::string> pieces;
};

TEST(SplitTextTest, Table) {
  const SplitCase cases[] = {
      {",", "a,,b", {"a", "", "b"}},
      {",", "abc", {"abc"}},
      {"", "a,b", {"a,b"}},
      {",", "", {""}},
      {"|", "|x|", {"", "x", ""}},
      {"::", "a:::b", {"a", ":b"}},
      {"::", "::", {"", ""}},
      {"ab", "xaBy", {"xaBy"}},
      {"aa", "aaaa", {"", "", ""}},
      {"|", "red|green|blue", {"red", "green", "blue"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.separator) + " over " + c.text);
    EXPECT_EQ(SplitText(c.separator, c.text), c.pieces);
  }
}

struct LinesCase {
  std::string content;
  Lines lines;
};

TEST(SplitLinesTest, Table) {
  using namespace std::string_literals;
  const LinesCase cases[] = {
      {"", {}},
      {"A", {"A"}},
      {"A\r\n\r\nB", {"A", "", "B"}},
      {"A\n\rB", {"A", "", "B"}},
      {"A\rB", {"A", "B"}},
      {"A\r\n", {"A"}},
      {"A\r\n\r\n", {"A", ""}},
      {"\n", {""}},
      {"\r\n\r\n", {"", ""}},
      {"\xEF\xBB\xBFLine", {"\xEF\xBB\xBFLine"}},
      {"A\nB\0C\nD"s, {"A", "B"}},
      {"\0A"s, {}},
      {"A\n\0"s, {"A"}},
      {" a \t\n", {" a \t"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.content));
    EXPECT_EQ(SplitLines(c.content), c.lines);
  }
}

TEST(FillFormatTest, PlainSubstitution) {
  EXPECT_EQ(FillFormat("The file \"%s\" not exists", {"C:\\a%s.txt"}), "The file \"C:\\a%s.txt\" not exists");
  EXPECT_EQ(FillFormat("DefineVar \"%s\" \"%s\" \"%s\"", {"A", "Undefined", ""}), "DefineVar \"A\" \"Undefined\" \"\"");
  EXPECT_EQ(FillFormat("100%", {}), "100%");
}

}  // namespace
}  // namespace qp
