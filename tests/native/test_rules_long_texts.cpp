// The split list and line splitting on texts long enough for their word-wide
// counting: every separator or line break position across several 8-byte
// words, next to high bytes, must still give the right pieces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/UTextRules.h"

namespace qp {
namespace {

// Pieces cut the slow way, one byte at a time.
std::vector<std::string> NaiveSplit(char sep, const std::string& text) {
  std::vector<std::string> out(1);
  for (char c : text) {
    if (c == sep) out.emplace_back();
    else out.back().push_back(c);
  }
  return out;
}

TEST(LongTextSplitTest, EveryPairOfSeparatorPositions) {
  const std::string base = "\x80\xff\xac,x\x2c\xfe" "abcdefghijklmnopqrstuvwxy\x81";  // 33 bytes
  for (char sep : {',', '\xac', '\xff', 'a'}) {
    for (size_t i = 0; i < base.size(); ++i) {
      for (size_t j = i; j < base.size(); ++j) {
        std::string text = base;
        text[i] = sep;
        text[j] = sep;
        SCOPED_TRACE(testing::Message() << "sep " << int(static_cast<unsigned char>(sep)) << " at " << i << "," << j);
        ASSERT_EQ(SplitText(std::string(1, sep), text), NaiveSplit(sep, text));
      }
    }
  }
}

TEST(LongTextSplitTest, LinesAcrossWords) {
  // Breaks of all three forms at every offset of a 40-byte text.
  for (const std::string brk : {"\n", "\r\n", "\r"}) {
    for (size_t at = 0; at < 40; ++at) {
      std::string text(40, 'q');
      text[39] = '\xe9';
      text.replace(at, 0, brk);
      const std::vector<std::string> lines = SplitLines(text);
      SCOPED_TRACE(testing::Message() << "break " << brk.size() << " at " << at);
      ASSERT_EQ(lines.size(), 2u);
      EXPECT_EQ(lines[0], text.substr(0, at));
      EXPECT_EQ(lines[1], text.substr(at + brk.size()));
    }
  }
  // Many lines, some empty, mixing the break forms.
  std::string text;
  std::vector<std::string> want;
  for (int i = 0; i < 500; ++i) {
    want.push_back(std::string(i % 23, static_cast<char>('A' + i % 26)));
    text += want.back() + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
  }
  EXPECT_EQ(SplitLines(text), want);
}

}  // namespace
}  // namespace qp
