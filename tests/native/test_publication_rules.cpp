// The pure rules of the publication actions: the qpSetVar plan, the items and
// host lines of qpClearVariables, and the shortcut paths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/publication/UClearVariablesRules.h"
#include "actions/publication/USetVarRules.h"
#include "actions/publication/UShortcutRules.h"

namespace qp {
namespace {

using Plan = std::vector<SetVarWrite>;

SetVarWrite Plain(const char* name, const char* value) { return {name, false, 0, value}; }
SetVarWrite Numbered(const char* name, int32_t index, const char* value) { return {name, true, index, value}; }

void PrintTo(const SetVarWrite& w, std::ostream* os) {
  *os << '"' << w.name << '"';
  if (w.numbered) *os << '#' << w.index;
  *os << "=\"" << w.value << '"';
}

struct PlanCase {
  const char* names;
  const char* values;
  const char* separator;
  Plan expected;
};

TEST(SetVarPlanTest, WritesInTheOrderOfEachShape) {
  const PlanCase cases[] = {
      // pairwise
      {"a,b,c", "1|2|3", "", {Plain("a", "1"), Plain("b", "2"), Plain("c", "3")}},
      // one value for every name
      {"a,b,c", "7", "", {Plain("a", "7"), Plain("b", "7"), Plain("c", "7")}},
      // numbered: value by value, and within each value name by name
      {"a", "1|2", "", {Numbered("a", 0, "1"), Numbered("a", 1, "2")}},
      {"a,b,c", "1|2", "",
       {Numbered("a", 0, "1"), Numbered("b", 0, "1"), Numbered("c", 0, "1"), Numbered("a", 1, "2"),
        Numbered("b", 1, "2"), Numbered("c", 1, "2")}},
      {"a,b", "x|y|z", "",
       {Numbered("a", 0, "x"), Numbered("b", 0, "x"), Numbered("a", 1, "y"), Numbered("b", 1, "y"),
        Numbered("a", 2, "z"), Numbered("b", 2, "z")}},
      // names and values are not trimmed; empty pieces are kept
      {"a, b", "1|2", "", {Plain("a", "1"), Plain(" b", "2")}},
      {"a,,b", "1|2|3", "", {Plain("a", "1"), Plain("", "2"), Plain("b", "3")}},
      {"a,b", "x|", "", {Plain("a", "x"), Plain("b", "")}},
      {"a,b", " x | y ", "", {Plain("a", " x "), Plain("b", " y ")}},
      // the separator is used whole, untrimmed, unless blank
      {"a,b", "1;2", ";", {Plain("a", "1"), Plain("b", "2")}},
      {"a,b", "1;2", "|", {Plain("a", "1;2"), Plain("b", "1;2")}},
      {"a,b", "1|2", " ", {Plain("a", "1"), Plain("b", "2")}},
      {"a,b", "1|2", "\t", {Plain("a", "1"), Plain("b", "2")}},
      {"a,b", "1::2", "::", {Plain("a", "1"), Plain("b", "2")}},
      {"a,b", "1:2", "::", {Plain("a", "1:2"), Plain("b", "1:2")}},
      {"a,b", "1 ; 2", " ; ", {Plain("a", "1"), Plain("b", "2")}},
  };
  for (const PlanCase& c : cases) {
    SCOPED_TRACE(std::string("names=") + c.names + " values=" + c.values + " sep=" + c.separator);
    Plan plan;
    ASSERT_TRUE(PlanSetVar(c.names, c.values, c.separator, plan));
    EXPECT_EQ(plan, c.expected);
  }
}

TEST(SetVarPlanTest, BlankNamesOrValuesPlanNothing) {
  const char* const blanks[] = {"", " ", "\t \r\n"};
  for (const char* blank : blanks) {
    Plan plan{Plain("stale", "x")};
    EXPECT_FALSE(PlanSetVar(blank, "1|2", "|", plan));
    EXPECT_TRUE(plan.empty());
    EXPECT_FALSE(PlanSetVar("a,b", blank, "|", plan));
    EXPECT_TRUE(plan.empty());
  }
}

TEST(ClearItemsTest, BothSeparatorsTrimmingAndPatterns) {
  struct Expect {
    const char* text;
    bool pattern;
    const char* prefix;
  };
  struct Case {
    const char* list;
    std::vector<Expect> items;
  };
  const Case cases[] = {
      {"Score", {{"Score", false, ""}}},
      {" Score , Level|Lives", {{"Score", false, ""}, {"Level", false, ""}, {"Lives", false, ""}}},
      {"*", {{"*", true, ""}}},
      {"Game*,Level*", {{"Game*", true, "Game"}, {"Level*", true, "Level"}}},
      // the prefix drops the last character whatever it is
      {"a*b", {{"a*b", true, "a*"}}},
      {"\t*x ", {{"*x", true, "*"}}},
      {"Score,", {{"Score", false, ""}, {"", false, ""}}},
      {"", {{"", false, ""}}},
      {"|", {{"", false, ""}, {"", false, ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    const std::vector<ClearItem> items = ParseClearItems(c.list);
    ASSERT_EQ(items.size(), c.items.size());
    for (size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i].text, c.items[i].text);
      EXPECT_EQ(items[i].pattern, c.items[i].pattern);
      EXPECT_EQ(items[i].prefix, c.items[i].prefix);
    }
  }
}

TEST(ClearItemsTest, SavedNamesAndPrefixes) {
  EXPECT_EQ(SavedVariableName("Score=10"), "Score");
  EXPECT_EQ(SavedVariableName("Total = 5"), "Total ");
  EXPECT_EQ(SavedVariableName("a=b=c"), "a");
  EXPECT_EQ(SavedVariableName("=x"), "");
  EXPECT_EQ(SavedVariableName("NoEquals"), "");
  EXPECT_TRUE(NameHasPrefix("GameLevel", "Game"));
  EXPECT_TRUE(NameHasPrefix("Game", "Game"));
  EXPECT_FALSE(NameHasPrefix("gameLevel", "Game"));
  EXPECT_FALSE(NameHasPrefix("Gam", "Game"));
  EXPECT_TRUE(NameHasPrefix("", ""));
  EXPECT_TRUE(NameHasPrefix("anything", ""));
}

TEST(ClearItemsTest, HostLinesInsertTextsUnescaped) {
  EXPECT_EQ(DefineVarLine("Score"), "DefineVar \"Score\" \"Undefined\" \"\" \"Global\" \"\"");
  EXPECT_EQ(ClearVariablesLine("Score"), "ClearVariables \"Score\"");
  EXPECT_EQ(SaveVariablesLine("C:\\Temp\\{X}"), "SaveVariables \"C:\\Temp\\{X}\"");
  EXPECT_EQ(DefineVarLine(""), "DefineVar \"\" \"Undefined\" \"\" \"Global\" \"\"");
  EXPECT_EQ(ClearVariablesLine("a\"b %s"), "ClearVariables \"a\"b %s\"");
}

TEST(ShortcutRulesTest, TargetFolder) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Tools\\app.exe", "C:\\Tools"},
      {"C:\\app.exe", "C:\\"},
      {"C:\\Tools\\", "C:\\Tools"},
      {"C:\\Tools", "C:\\"},
      {"C:app.exe", "C:"},
      {"app.exe", ""},
      {"\\app.exe", "\\"},
      {"\\\\server\\share\\a.txt", "\\\\server\\share"},
      {"\\\\x", "\\\\"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortcutTargetFolder(c.first), c.second) << c.first;
}

TEST(ShortcutRulesTest, ShortcutPath) {
  EXPECT_EQ(ShortcutFilePath("C:\\Users\\Public\\Desktop", "Tools"), "C:\\Users\\Public\\Desktop\\Tools.lnk");
  EXPECT_EQ(ShortcutFilePath("C:\\Users\\Public\\Desktop\\", "Tools"), "C:\\Users\\Public\\Desktop\\Tools.lnk");
  EXPECT_EQ(ShortcutFilePath("", "Tools"), "\\Tools.lnk");
  EXPECT_EQ(ShortcutFilePath("D:\\", "x.lnk"), "D:\\x.lnk.lnk");
  EXPECT_EQ(ShortcutFilePath("D:\\a", " n %s "), "D:\\a\\ n %s .lnk");
}

}  // namespace
}  // namespace qp
