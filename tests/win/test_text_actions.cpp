// The nineteen Strings actions through the real DLL: each action's result as
// the host receives it, the count defaults of the integer rule, the random
// picks after a fresh load, blank result names, LastError left alone, the
// repetition that cannot be held, and the double-byte cases when the ANSI code
// page is 932.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/PluginFixture.h"

namespace qptest {
namespace {

enum : uint32_t {
  kStartsStr = 1, kEndsStr, kQuotedStr, kDequotedStr, kDupeStr, kReverseStr, kLeftStr, kRightStr, kMidStr,
  kTrimStr, kTrimLeftStr, kTrimRightStr, kGUIDStr, kRandomFromStr, kIfThenStr, kIfAppendStr, kIfPrependStr,
  kUrlEncode, kUrlDecode,
};

struct Case {
  uint32_t index;
  std::vector<std::string> args;  // without the result-variable name
  std::string expected;
};

class TextActionTest : public PluginTest {
 protected:
  // Runs the action with "R" as its result variable; expects true and exactly
  // one write, into "R" (so never into LastError), and returns its value.
  std::string Result(uint32_t index, std::vector<std::string> args) {
    host.ClearEvents();
    args.push_back("R");
    EXPECT_TRUE(Exec(index, args)) << "action " << index;
    const Writes writes = host.Writes();
    EXPECT_EQ(writes.size(), 1u) << "action " << index;
    if (writes.size() != 1 || writes[0].first != "R") {
      ADD_FAILURE() << "action " << index << " did not write only R";
      return "<no result>";
    }
    return writes[0].second;
  }

  void RunTable(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      std::string shown;
      for (const std::string& a : c.args) shown += "[" + a + "]";
      EXPECT_EQ(Result(c.index, c.args), c.expected) << "action " << c.index << " with " << shown;
    }
  }
};

TEST_F(TextActionTest, PrefixAndSuffixTests) {
  RunTable({
      {kStartsStr, {"Hello", "He"}, "True"},
      {kStartsStr, {"Hello", "he"}, "False"},
      {kStartsStr, {"Hello", ""}, "True"},
      {kStartsStr, {"", ""}, "True"},
      {kStartsStr, {"He", "Hello"}, "False"},
      {kStartsStr, {"Hello", "Hello"}, "True"},
      {kEndsStr, {"Hello", "llo"}, "True"},
      {kEndsStr, {"Hello", "LLO"}, "False"},
      {kEndsStr, {"Hello", ""}, "False"},
      {kEndsStr, {"", ""}, "False"},
      {kEndsStr, {"lo", "Hello"}, "False"},
      {kEndsStr, {"Hello", "Hello"}, "True"},
  });
}

TEST_F(TextActionTest, QuotingAndDequoting) {
  RunTable({
      {kQuotedStr, {"it's", "'"}, "'it''s'"},
      {kQuotedStr, {"it's", ""}, "it's"},
      {kQuotedStr, {"it's", "''"}, "it's"},
      {kQuotedStr, {"", "'"}, "''"},
      {kQuotedStr, {"say \"hi\"", "\""}, "\"say \"\"hi\"\"\""},
      {kDequotedStr, {"'it''s'", "'"}, "it's"},
      {kDequotedStr, {"'abc'def", "'"}, "abc"},
      {kDequotedStr, {"abc", "'"}, "abc"},
      {kDequotedStr, {"'abc", "'"}, "'abc"},
      {kDequotedStr, {"''", "'"}, ""},
      {kDequotedStr, {"''abc", "'"}, "''abc"},
      {kDequotedStr, {"'", "'"}, ""},
      {kDequotedStr, {"'''", "'"}, ""},
      {kDequotedStr, {"''''", "'"}, "'"},
      {kDequotedStr, {"", "'"}, ""},
      {kDequotedStr, {"'a''", "'"}, "'a''"},  // unclosed although it ends with the quote: unchanged
      {kDequotedStr, {"'abc'", ""}, "'abc'"},
      {kDequotedStr, {"'abc'", "''"}, "'abc'"},
  });
}

TEST_F(TextActionTest, RepetitionAndReversal) {
  RunTable({
      {kDupeStr, {"ab", "3"}, "ababab"},
      {kDupeStr, {"ab", " 3"}, "ababab"},
      {kDupeStr, {"ab", "$3"}, "ababab"},
      {kDupeStr, {"ab", "0"}, ""},
      {kDupeStr, {"ab", "-2"}, ""},
      {kDupeStr, {"ab", ""}, ""},
      {kDupeStr, {"ab", "x"}, ""},
      {kDupeStr, {"ab", "3 "}, ""},
      {kDupeStr, {"", "5"}, ""},
      {kReverseStr, {"abc"}, "cba"},
      {kReverseStr, {""}, ""},
      {kReverseStr, {"a b\t"}, "\tb a"},
  });
  EXPECT_EQ(Result(kDupeStr, {"xyz", "100000"}).size(), 300000u);
}

TEST_F(TextActionTest, SlicingWithCountDefaults) {
  RunTable({
      {kLeftStr, {"abcdef", "2"}, "ab"},
      {kLeftStr, {"abcdef", "0"}, ""},
      {kLeftStr, {"abcdef", "-1"}, ""},
      {kLeftStr, {"abcdef", "10"}, "abcdef"},
      {kLeftStr, {"abcdef", "x"}, "abcdef"},
      {kLeftStr, {"abcdef", ""}, "abcdef"},
      {kRightStr, {"abcdef", "2"}, "ef"},
      {kRightStr, {"abcdef", "0"}, ""},
      {kRightStr, {"abcdef", "-3"}, ""},
      {kRightStr, {"abcdef", "10"}, "abcdef"},
      {kRightStr, {"abcdef", ""}, "abcdef"},
      {kRightStr, {"abcdef", "-2147483648"}, ""},
      {kRightStr, {"abcdef", "2147483647"}, "abcdef"},
      {kMidStr, {"abcdef", "2", "3"}, "bcd"},
      {kMidStr, {"abcdef", "0", "3"}, "abc"},
      {kMidStr, {"abcdef", "-5", "2"}, "ab"},
      {kMidStr, {"abcdef", "7", ""}, ""},
      {kMidStr, {"abcdef", "5", "10"}, "ef"},
      {kMidStr, {"abcdef", "x", "x"}, "abcdef"},
      {kMidStr, {"abcdef", "3", "x"}, "cdef"},
      {kMidStr, {"abcdef", "1", "-1"}, ""},
      {kMidStr, {"", "1", "1"}, ""},
  });
}

TEST_F(TextActionTest, Trimming) {
  const std::string text = "\t\r\nab c  ";
  std::vector<Case> cases = {
      {kTrimStr, {text}, "ab c"},
      {kTrimLeftStr, {text}, "ab c  "},
      {kTrimRightStr, {text}, "\t\r\nab c"},
      {kTrimStr, {" \x01\x1f "}, ""},
      {kTrimLeftStr, {"   "}, ""},
      {kTrimRightStr, {""}, ""},
      {kTrimStr, {"\xa0x\xa0"}, "\xa0x\xa0"},  // the no-break space stays
  };
  // In a double-byte code page 0xE9 would begin a character with the space.
  if (GetACP() == 1252) cases.push_back({kTrimStr, {" caf\xe9 "}, "caf\xe9"});
  RunTable(cases);
}

TEST_F(TextActionTest, GuidTextIsFreshRegistryForm) {
  const std::string first = Result(kGUIDStr, {});
  const std::string second = Result(kGUIDStr, {});
  for (const std::string& guid : {first, second}) {
    ASSERT_EQ(guid.size(), 38u) << guid;
    for (size_t i = 0; i < guid.size(); ++i) {
      const char c = guid[i];
      if (i == 0) EXPECT_EQ(c, '{');
      else if (i == 37) EXPECT_EQ(c, '}');
      else if (i == 9 || i == 14 || i == 19 || i == 24) EXPECT_EQ(c, '-') << guid;
      else EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << guid;
    }
  }
  EXPECT_NE(first, second);
}

TEST_F(TextActionTest, RandomPicksStartOverAtEveryLoad) {
  RunTable({
      {kRandomFromStr, {"red|green|blue"}, "red"},
      {kRandomFromStr, {"red|green|blue"}, "red"},
      {kRandomFromStr, {"red|green|blue"}, "blue"},
  });
  // A fresh load starts the same run again; the seed advances whatever the list.
  host.Unload();
  std::string error;
  ASSERT_TRUE(host.Load(PluginPath(), &error)) << error;
  host.RegisterPlugIn();
  RunTable({
      {kRandomFromStr, {"0|1|2|3|4|5|6|7|8|9"}, "0"},
      {kRandomFromStr, {"single"}, "single"},
      {kRandomFromStr, {"0|1|2|3|4|5|6|7|8|9"}, "8"},
      {kRandomFromStr, {""}, ""},
      {kRandomFromStr, {"||"}, ""},
      {kRandomFromStr, {"a|"}, ""},  // sixth pick of two: the empty last piece
  });
}

TEST_F(TextActionTest, ConditionalTexts) {
  std::vector<Case> cases = {
      {kIfThenStr, {"True", "A", "B"}, "A"},
      {kIfThenStr, {"Checked", "A", "B"}, "A"},
  };
  for (const char* no : {"true", "TRUE", " True", "True ", "1", "Yes", ""}) cases.push_back({kIfThenStr, {no, "A", "B"}, "B"});
  const std::vector<Case> more = {
      {kIfAppendStr, {"C:\\Temp", "\\"}, "C:\\Temp\\"},
      {kIfAppendStr, {"C:\\Temp\\", "\\"}, "C:\\Temp\\"},
      {kIfAppendStr, {"abc", ""}, "abc"},
      {kIfAppendStr, {"", "x"}, "x"},
      {kIfAppendStr, {"abc", "ABC"}, "abcABC"},
      {kIfPrependStr, {"Smith", "Mr "}, "Mr Smith"},
      {kIfPrependStr, {"Mr Smith", "Mr "}, "Mr Smith"},
      {kIfPrependStr, {"ab", "abc"}, "abcab"},
      {kIfPrependStr, {"abc", "ABC"}, "ABCabc"},
      {kIfPrependStr, {"abc", ""}, "abc"},
  };
  cases.insert(cases.end(), more.begin(), more.end());
  RunTable(cases);
}

TEST_F(TextActionTest, UrlCoding) {
  RunTable({
      {kUrlEncode, {"a b&c=d"}, "a%20b%26c%3Dd"},
      {kUrlEncode, {"file-name_1.txt"}, "file-name_1.txt"},
      {kUrlEncode, {"~*'()"}, "%7E%2A%27%28%29"},
      {kUrlEncode, {"+"}, "%2B"},
      {kUrlEncode, {"\xe9"}, "%E9"},
      {kUrlEncode, {""}, ""},
      {kUrlDecode, {"a%20b"}, "a b"},
      {kUrlDecode, {"%7e%7E"}, "~~"},
      {kUrlDecode, {"a+b"}, "a+b"},
      {kUrlDecode, {"100%"}, ""},
      {kUrlDecode, {"%4"}, "\x04"},
      {kUrlDecode, {"%zz"}, ""},
      {kUrlDecode, {"abc%4g"}, ""},
      {kUrlDecode, {"%%41"}, ""},
      {kUrlDecode, {"%2541"}, "%41"},
      {kUrlDecode, {"%E9t%E9"}, "\xe9t\xe9"},
      // The zero byte ends the text as the host reads it.
      {kUrlDecode, {"ab%00cd"}, "ab"},
  });
}

TEST_F(TextActionTest, BlankResultNameWritesNothing) {
  const std::vector<Case> cases = {
      {kStartsStr, {"a", "a"}, ""},     {kEndsStr, {"a", "a"}, ""},     {kQuotedStr, {"a", "'"}, ""},
      {kDequotedStr, {"'a'", "'"}, ""}, {kDupeStr, {"a", "2"}, ""},     {kReverseStr, {"ab"}, ""},
      {kLeftStr, {"ab", "1"}, ""},      {kRightStr, {"ab", "1"}, ""},   {kMidStr, {"ab", "1", "1"}, ""},
      {kTrimStr, {" a "}, ""},          {kTrimLeftStr, {" a "}, ""},    {kTrimRightStr, {" a "}, ""},
      {kGUIDStr, {}, ""},               {kRandomFromStr, {"a|b"}, ""},  {kIfThenStr, {"True", "a", "b"}, ""},
      {kIfAppendStr, {"a", "b"}, ""},   {kIfPrependStr, {"a", "b"}, ""}, {kUrlEncode, {"a b"}, ""},
      {kUrlDecode, {"a%20b"}, ""},
  };
  for (const char* blank : {"", "  ", "\t\r\n"}) {
    for (const Case& c : cases) {
      std::vector<std::string> args = c.args;
      args.push_back(blank);
      host.ClearEvents();
      EXPECT_TRUE(Exec(c.index, args)) << "action " << c.index;
      EXPECT_TRUE(host.Writes().empty()) << "action " << c.index;
    }
  }
}

TEST_F(TextActionTest, ResultNameIsUsedUntrimmedAndLastErrorStays) {
  host.variables["LastError"] = "earlier failure";
  host.ClearEvents();
  EXPECT_TRUE(Exec(kReverseStr, {"ab", " Result "}));
  EXPECT_EQ(host.Writes(), (Writes{{" Result ", "ba"}}));
  EXPECT_EQ(host.Var("LastError"), "earlier failure");
}

TEST_F(TextActionTest, RepetitionTooLongToHoldReportsMemoryAndWritesEmpty) {
  const std::string outOfMemory = ExpectedSystemText(ERROR_NOT_ENOUGH_MEMORY);
  ASSERT_FALSE(outOfMemory.empty());
  // Beyond a 32-bit signed length; then within it but beyond what a 32-bit
  // process can allocate in one piece.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"ab", "2147483647"}, {"abc", "1000000000"}, {"x", "2000000000"}};
  for (const auto& c : cases) {
    host.ClearEvents();
    EXPECT_TRUE(Exec(kDupeStr, {c.first, c.second, "R"}));
    EXPECT_EQ(host.Writes(), (Writes{{"LastError", outOfMemory}, {"R", ""}})) << c.first << " x " << c.second;
  }
  // The library goes on working afterwards.
  EXPECT_EQ(Result(kDupeStr, {"ab", "2"}), "abab");
}

// Bytes of code page 932: 0x83 0x5C is a katakana letter whose second byte is
// the backslash; 0x81 0x40 is the ideographic space.
TEST_F(TextActionTest, DoubleByteCharactersUnderCodePage932) {
  if (GetACP() != 932) GTEST_SKIP() << "the ANSI code page is " << GetACP() << ", not 932";
  const std::string so = "\x83\x5C";
  RunTable({
      {kEndsStr, {"a" + so, "\\"}, "False"},  // would begin on a second byte
      {kEndsStr, {so + "\\", "\\"}, "True"},
      {kEndsStr, {"a" + so, so}, "True"},
      {kStartsStr, {so + "a", "\x83"}, "True"},  // bytes, may cut a character
      {kQuotedStr, {so, "\\"}, "\\" + so + "\\"},
      {kQuotedStr, {so + "\\", "\\"}, "\\" + so + "\\\\\\"},
      {kDequotedStr, {"\\" + so + "\\", "\\"}, so},
      {kDequotedStr, {"\\" + so, "\\"}, "\\" + so},
      {kReverseStr, {"a" + so + "b"}, "b" + so + "a"},
      {kLeftStr, {so + "b", "1"}, "\x83"},
      {kRightStr, {so + "b", "2"}, "\x5C" "b"},
      {kTrimStr, {" \t" + so + "\x81\x40 "}, so + "\x81\x40"},
      {kTrimRightStr, {so + "\r\n"}, so},
      // 0x81 0x7F is no character of the code page: the inner bytes still
      // come back as they were.
      {kTrimStr, {"  x\x81\x7fy  "}, "x\x81\x7fy"},
      {kUrlEncode, {so}, "%83%5C"},
      {kUrlDecode, {"%83%5C"}, so},
  });
}

}  // namespace
}  // namespace qptest
