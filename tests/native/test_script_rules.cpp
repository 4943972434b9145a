// bxhost's reading of script lines: quotes, doubled quotes, variable
// references, line cutting and the saved-variables line form.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "host/UScriptRules.h"

namespace bxhost {
namespace {

using Args = std::vector<std::string>;

struct GoodLine {
  const char* line;
  const char* command;
  Args args;
};

TEST(ScriptLineTest, ReadsCommandAndQuotedArguments) {
  const GoodLine cases[] = {
      {"", "", {}},
      {"   \t ", "", {}},
      {"# a comment \"unclosed", "", {}},
      {"   # indented comment", "", {}},
      {"qpGUIDStr", "qpGUIDStr", {}},
      {"qpHideCursor   ", "qpHideCursor", {}},
      {"Print \"hello\"", "Print", {"hello"}},
      {"  SetVar\t\"a b\"   \"\"  ", "SetVar", {"a b", ""}},
      {"Print \"say \"\"hi\"\"\"", "Print", {"say \"hi\""}},
      {"Print \"\"\"\"", "Print", {"\""}},
      {"Print \"\"\"\"\"\"", "Print", {"\"\""}},
      {"Print \"#not a comment\"", "Print", {"#not a comment"}},
      {"Print \"[x] and [[y]\"", "Print", {"[x] and [[y]"}},  // references are replaced later
      {"DefineVar \"Score\" \"Undefined\" \"\" \"Global\" \"\"", "DefineVar", {"Score", "Undefined", "", "Global", ""}},
      {"Print \"a\tb\"", "Print", {"a\tb"}},  // blanks inside quotes are kept
  };
  for (const auto& c : cases) {
    ScriptLine got;
    std::string error;
    ASSERT_TRUE(ReadScriptLine(c.line, got, error)) << c.line << ": " << error;
    EXPECT_EQ(got.command, c.command) << c.line;
    EXPECT_EQ(got.args, c.args) << c.line;
  }
}

struct BadLine {
  const char* line;
  const char* messagePart;
};

TEST(ScriptLineTest, UnreadableLinesNameTheFault) {
  const BadLine cases[] = {
      {"Print \"open", "column 7: argument 1 has no closing quote"},
      {"Print \"a\" \"b", "column 11: argument 2 has no closing quote"},
      {"Print \"say \"\"hi\"\"", "argument 1 has no closing quote"},  // the last quote is doubled
      {"Print hello", "column 7: argument 1 is not in double quotes"},
      {"SetVar \"a\" b", "argument 2 is not in double quotes"},
      {"Print \"a\"\"", "no closing quote"},
      {"Print \"a\"x", "column 10: a blank must follow the closing quote of argument 1"},
      {"Print \"a\"\"b\"c", "a blank must follow the closing quote of argument 1"},
      {"Print\"a\"", "column 6: a blank must separate the command name"},
      {"\"Print\" \"a\"", "column 1: the line begins with an argument"},
  };
  for (const auto& c : cases) {
    ScriptLine got;
    std::string error;
    EXPECT_FALSE(ReadScriptLine(c.line, got, error)) << c.line;
    EXPECT_NE(error.find(c.messagePart), std::string::npos) << c.line << " gave: " << error;
  }
}

TEST(ScriptLineTest, QuoteArgumentReadsBackAsTheSameText) {
  for (const char* text : {"", "plain", "\"", "a \"b\" c", "\"\"", "[x]", " lead"}) {
    ScriptLine got;
    std::string error;
    ASSERT_TRUE(ReadScriptLine("Print " + QuoteArgument(text), got, error)) << text << ": " << error;
    ASSERT_EQ(got.args.size(), 1u);
    EXPECT_EQ(got.args[0], text);
  }
}

const std::map<std::string, std::string> kVars = {
    {"Name", "World"}, {"Empty", ""}, {" x ", "spaced"}, {"Br", "[Name]"}, {"a]", "never"}};

std::string Look(const std::string& name) {
  auto it = kVars.find(name);
  return it == kVars.end() ? std::string() : it->second;
}

TEST(ReferenceTest, ReplacesNamesInBrackets) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"no references", "no references"},
      {"Hello [Name]!", "Hello World!"},
      {"[Name][Name]", "WorldWorld"},
      {"<[Empty]>", "<>"},
      {"<[Unknown]>", "<>"},          // a variable not defined reads as empty
      {"[ x ]", "spaced"},            // the name is taken as written, blanks included
      {"[Br]", "[Name]"},             // a value put in is not read again
      {"[[Name]", "[Name]"},          // "[[" is one literal "["
      {"[[[Name]", "[World"},
      {"a ] b", "a ] b"},             // a lone "]" is literal
      {"[Name]]", "World]"},
      {"[[]", "[]"},
  };
  for (const auto& [text, want] : cases) {
    std::string got, error;
    ASSERT_TRUE(ExpandReferences(text, Look, got, error)) << text << ": " << error;
    EXPECT_EQ(got, want) << text;
  }
}

TEST(ReferenceTest, MalformedReferencesAreErrors) {
  const std::pair<const char*, const char*> cases[] = {
      {"[Name", "position 1 of the argument has no \"]\""},
      {"ok [", "position 4"},
      {"[]", "empty variable name"},
      {"[a[b]", "a \"[\" inside the variable reference"},
  };
  for (const auto& [text, part] : cases) {
    std::string got, error;
    EXPECT_FALSE(ExpandReferences(text, Look, got, error)) << text;
    EXPECT_NE(error.find(part), std::string::npos) << text << " gave: " << error;
  }
}

TEST(ScriptLinesTest, CutsAtEveryKindOfBreak) {
  using Lines = std::vector<std::string>;
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb", {"a", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\n\r\nb", {"a", "", "b"}},
      {"\xEF\xBB\xBFPrint \"x\"\n", {"Print \"x\""}},  // byte-order mark skipped
      {"a\n\xEF\xBB\xBF", {"a", "\xEF\xBB\xBF"}},      // only at the very start
  };
  for (const auto& [content, want] : cases) EXPECT_EQ(ScriptLines(content), want) << content;
}

TEST(SavedVariablesTest, OneLinePerVariable) {
  EXPECT_EQ(SavedVariableLine("Score", "10"), "Score=10");
  EXPECT_EQ(SavedVariableLine("", ""), "=");
  EXPECT_EQ(SavedVariableLine(" x ", "a=b"), " x =a=b");
  // A value with a line break must not put another name at a line's start.
  EXPECT_EQ(SavedVariableLine("Text", "one\r\nEvil=1"), "Text=one\\r\\nEvil=1");
  EXPECT_EQ(SavedVariableLine("Path", "C:\\Temp\\"), "Path=C:\\Temp\\");
  for (const char* name : {"Score", "", " x ", "a*"}) EXPECT_TRUE(IsSavableName(name)) << name;
  for (const char* name : {"a=b", "a\nb", "a\rb"}) EXPECT_FALSE(IsSavableName(name)) << name;
}

}  // namespace
}  // namespace bxhost
