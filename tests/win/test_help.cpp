// The help actions through the real DLL, with HtmlHelpA replaced in the
// plug-in's import table: what each action hands to HTML Help, the missing
// help file, and a failing HTML Help.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/win/PluginFixture.h"
#include "tests/win/PublicationSupport.h"

namespace qptest {
namespace {

constexpr uint32_t kToc = 27, kIndex = 28, kSearch = 29, kTheme = 30, kClose = 31;

struct HelpCall {
  HWND caller = nullptr;
  std::string file;
  UINT command = 0;
  DWORD_PTR data = 0;
  std::string dataText;               // the keyword, for the index
  std::vector<int32_t> searchFields;  // the eight fields, for the search page
};

std::vector<HelpCall> g_calls;
HWND g_answer = nullptr;
DWORD g_error = 0;

HWND WINAPI RecordHtmlHelp(HWND caller, LPCSTR file, UINT command, DWORD_PTR data) {
  HelpCall c;
  c.caller = caller;
  c.file = file ? file : "<null>";
  c.command = command;
  c.data = data;
  if (command == 0x02 && data != 0) c.dataText = reinterpret_cast<const char*>(data);
  if (command == 0x03 && data != 0) {
    const int32_t* fields = reinterpret_cast<const int32_t*>(data);
    c.searchFields.assign(fields, fields + 8);
  }
  g_calls.push_back(c);
  SetLastError(g_error);
  return g_answer;
}

class HelpTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    g_calls.clear();
    g_answer = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1234));
    g_error = 0;
    Hook("hhctrl.ocx", "HtmlHelpA", &RecordHtmlHelp);
    helpFile = scratch.Write("guide.chm", "ITSF");
  }
  ScratchFolder scratch;
  std::string helpFile;
};

struct CommandCase {
  const char* what;
  uint32_t index;
  std::vector<std::string> middle;  // arguments between the help file and the result variable
  UINT command;
  std::string fileSuffix;  // appended to the help file in the file text
  DWORD_PTR data;          // expected data, unless the case checks a text or record
};

TEST_F(HelpTest, EachActionHandsItsCommandFileAndData) {
  const CommandCase cases[] = {
      {"contents", kToc, {}, 0x01, "", 0},
      {"index", kIndex, {"Printing"}, 0x02, "", 0},
      {"index with an empty keyword", kIndex, {""}, 0x02, "", 0},
      {"search", kSearch, {}, 0x03, "", 0},
      {"context number", kTheme, {"100"}, 0x0F, "", 100},
      {"context number in hexadecimal", kTheme, {"$64"}, 0x0F, "", 100},
      {"negative context number", kTheme, {"-1"}, 0x0F, "", 0xFFFFFFFFu},
      {"page name", kTheme, {"html\\intro.htm"}, 0x00, "::\\html\\intro.htm", 0},
      {"a number with a blank after it is a page name", kTheme, {"100 "}, 0x00, "::\\100 ", 0},
      {"empty topic", kTheme, {""}, 0x00, "::\\", 0},
      {"close", kClose, {}, 0x12, "", 0},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.what);
    g_calls.clear();
    host.ClearEvents();
    std::vector<std::string> args{helpFile};
    args.insert(args.end(), c.middle.begin(), c.middle.end());
    args.push_back("Shown");
    EXPECT_TRUE(Exec(c.index, args));
    EXPECT_EQ(host.Writes(), (Writes{{"Shown", "True"}}));
    ASSERT_EQ(g_calls.size(), 1u);
    const HelpCall& call = g_calls[0];
    EXPECT_EQ(call.caller, GetActiveWindow());
    EXPECT_EQ(call.command, c.command);
    EXPECT_EQ(call.file, helpFile + c.fileSuffix);
    if (c.command == 0x02) {
      EXPECT_NE(call.data, 0u) << "the keyword goes as a text, never as null";
      EXPECT_EQ(call.dataText, c.middle[0]);
    } else if (c.command == 0x03) {
      EXPECT_EQ(call.searchFields, (std::vector<int32_t>{32, 0, 0, -1, 0, 0, 0, 0}));
    } else {
      EXPECT_EQ(call.data, c.data);
    }
  }
}

std::vector<std::string> ArgsFor(uint32_t index, const std::string& file) {
  if (index == kIndex || index == kTheme) return {file, "100", "Shown"};
  return {file, "Shown"};
}

TEST_F(HelpTest, AMissingHelpFileIsReportedAndHtmlHelpIsNeverCalled) {
  const std::string missing = scratch.File("No Such Guide.chm");
  for (const std::string& file : {missing, scratch.Path(), std::string()}) {
    for (uint32_t index : {kToc, kIndex, kSearch, kTheme, kClose}) {
      SCOPED_TRACE("action " + std::to_string(index) + " file '" + file + "'");
      host.ClearEvents();
      EXPECT_FALSE(Exec(index, ArgsFor(index, file)));
      EXPECT_EQ(host.Writes(),
                (Writes{{"LastError", "The file \"" + file + "\" not exists"}, {"Shown", "False"}}));
    }
  }
  EXPECT_TRUE(g_calls.empty());
}

TEST_F(HelpTest, NoHelpWindowReportsTheSystemTextBeforeFalse) {
  g_answer = nullptr;
  g_error = ERROR_ACCESS_DENIED;
  const std::vector<std::vector<std::string>> runs = {
      {helpFile, "Shown"}, {helpFile, "kw", "Shown"}, {helpFile, "Shown"},
      {helpFile, "100", "Shown"}, {helpFile, "page.htm", "Shown"}};
  const uint32_t indexes[] = {kToc, kIndex, kSearch, kTheme, kTheme};
  for (size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE("run " + std::to_string(i));
    host.ClearEvents();
    EXPECT_FALSE(Exec(indexes[i], runs[i]));
    EXPECT_EQ(host.Writes(), (Writes{{"LastError", ExpectedSystemText(ERROR_ACCESS_DENIED)}, {"Shown", "False"}}));
  }
  EXPECT_EQ(g_calls.size(), runs.size());
}

TEST_F(HelpTest, CloseWritesTrueWhateverHtmlHelpAnswers) {
  g_answer = nullptr;
  g_error = ERROR_INVALID_HANDLE;
  EXPECT_TRUE(Exec(kClose, {helpFile, "Closed"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Closed", "True"}}));
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0].command, 0x12u);
}

TEST_F(HelpTest, ABlankResultNameSuppressesOnlyThatWrite) {
  EXPECT_TRUE(Exec(kToc, {helpFile, " "}));
  EXPECT_TRUE(host.Writes().empty());
  EXPECT_EQ(g_calls.size(), 1u);
}

}  // namespace
}  // namespace qptest
