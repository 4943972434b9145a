// The publication actions through the real DLL: qpSetVar's writes and their
// order, host action lines given as text or read from a file, clearing
// variables through host lines, and shell shortcuts written under Wine.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "tests/win/PluginFixture.h"
#include "tests/win/PublicationSupport.h"

namespace qptest {
namespace {

constexpr uint32_t kSetVar = 20;
constexpr uint32_t kExecAction = 23;
constexpr uint32_t kExecActions = 24;
constexpr uint32_t kAddShortcut = 25;
constexpr uint32_t kClearVariables = 26;

using Lines = std::vector<std::string>;

// ---------------------------------------------------------------- qpSetVar

class SetVarTest : public PluginTest {};

struct SetVarCase {
  const char* names;
  const char* values;
  const char* separator;
  Writes expected;
};

TEST_F(SetVarTest, WritesEachShapeInItsOrder) {
  const SetVarCase cases[] = {
      {"a,b,c", "1|2|3", "", {{"a", "1"}, {"b", "2"}, {"c", "3"}}},
      {"a,b,c", "7", "", {{"a", "7"}, {"b", "7"}, {"c", "7"}}},
      {"a", "1|2", "", {{"a0", "1"}, {"a1", "2"}}},
      {"a,b,c", "1|2", "", {{"a0", "1"}, {"b0", "1"}, {"c0", "1"}, {"a1", "2"}, {"b1", "2"}, {"c1", "2"}}},
      // a name reaches the host with its blanks
      {"a, b", "1|2", "", {{"a", "1"}, {" b", "2"}}},
      // an empty name is skipped, pairwise and numbered alike: the blank test
      // comes before the index is added
      {"a,,b", "1|2|3", "", {{"a", "1"}, {"b", "3"}}},
      {"a, ,b", "1|2", "", {{"a0", "1"}, {"b0", "1"}, {"a1", "2"}, {"b1", "2"}}},
      {"a,b", "x|", "", {{"a", "x"}, {"b", ""}}},
      {"a,b", "1;2", ";", {{"a", "1"}, {"b", "2"}}},
      {"a,b", "1;2", "|", {{"a", "1;2"}, {"b", "1;2"}}},
      {"a,b", "1|2", " ", {{"a", "1"}, {"b", "2"}}},
      {"a,b", "1::2", "::", {{"a", "1"}, {"b", "2"}}},
  };
  for (const SetVarCase& c : cases) {
    SCOPED_TRACE(std::string("names=") + c.names + " values=" + c.values + " sep=" + c.separator);
    host.ClearEvents();
    EXPECT_TRUE(Exec(kSetVar, {c.names, c.values, c.separator}));
    EXPECT_EQ(host.Writes(), c.expected);
    if (c.expected[0].first == "a0") EXPECT_FALSE(host.HasVar("a")) << "a numbered family leaves the name alone";
    host.variables.clear();
  }
}

TEST_F(SetVarTest, BlankNamesOrValuesFailWithOnlyTheMessage) {
  const std::pair<const char*, const char*> cases[] = {{"", "1|2"}, {"a,b", "   "}, {" \t", "x"}, {"a", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.first) + " / " + c.second);
    host.ClearEvents();
    EXPECT_FALSE(Exec(kSetVar, {c.first, c.second, "|"}));
    EXPECT_EQ(host.Writes(), (Writes{{"LastError", "Invalid \"qpSetVar\" action arguments"}}));
  }
}

// ------------------------------------------------------- host action lines

class HostLinesTest : public PluginTest {
 protected:
  ScratchFolder scratch;
};

TEST_F(HostLinesTest, ExecActionPassesTheLineUnchanged) {
  for (const char* line : {"", "  SetVar \"x\" \"1\"  ", "\t"}) {
    host.ClearEvents();
    EXPECT_TRUE(Exec(kExecAction, {line}));
    EXPECT_EQ(host.Lines(), Lines{line});
    EXPECT_TRUE(host.Writes().empty());
  }
}

TEST_F(HostLinesTest, FileLinesFollowTheLineBreakRule) {
  struct Case {
    const char* what;
    std::string bytes;
    Lines lines;
  };
  const Case cases[] = {
      {"CR LF and an empty line", "A\r\n\r\nB", {"A", "", "B"}},
      {"lone CR", "A\rB", {"A", "B"}},
      {"lone LF", "A\nB\n", {"A", "B"}},
      {"LF CR ends a line and an empty one", "A\n\rB", {"A", "", "B"}},
      {"a final break adds no line", "A\r\n", {"A"}},
      {"two final breaks add one empty line", "A\r\n\r\n", {"A", ""}},
      {"a byte-order mark stays in the first line", "\xEF\xBB\xBF" "A\r\nB", {"\xEF\xBB\xBF" "A", "B"}},
      {"a zero byte ends the text", std::string("A\r\nB\0C\r\nD", 10), {"A", "B"}},
      {"blanks are kept", "  A \r\n\t", {"  A ", "\t"}},
      {"an empty file", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = scratch.Write("lines.txt", c.bytes);
    host.ClearEvents();
    EXPECT_TRUE(Exec(kExecActions, {path}));
    EXPECT_EQ(host.Lines(), c.lines);
    EXPECT_TRUE(host.Writes().empty());
  }
}

TEST_F(HostLinesTest, PathsFailingTheExistsTestRunNothingAndReportNothing) {
  scratch.Write("a.txt", "A\r\n");
  const std::string paths[] = {scratch.Path(), scratch.File("missing.txt"), scratch.File("*.txt"), ""};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    host.ClearEvents();
    EXPECT_TRUE(Exec(kExecActions, {path}));
    EXPECT_TRUE(host.events.empty());
  }
}

TEST_F(HostLinesTest, AFileThatCannotBeReadRunsNothingAndReportsTheSystemText) {
  const std::string path = scratch.Write("locked.txt", "A\r\nB\r\n");
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(Exec(kExecActions, {path}));
  CloseHandle(lock);
  EXPECT_TRUE(host.Lines().empty());
  EXPECT_EQ(host.Writes(), (Writes{{"LastError", ExpectedSystemText(ERROR_SHARING_VIOLATION)}}));
}

TEST_F(HostLinesTest, TheFileIsClosedBeforeTheFirstLineAndLaterChangesDoNotCount) {
  const std::string path = scratch.Write("lines.txt", "First\r\nSecond\r\nThird");
  bool rewrote = false;
  host.lineRunner = [&](const std::string& line) {
    if (line != "First") return;
    // Opening for writing fails while the plug-in still holds the file open
    // with other writers denied.
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << "the file is still open during the run";
    DWORD written = 0;
    WriteFile(h, "Changed\r\n", 9, &written, nullptr);
    CloseHandle(h);
    rewrote = true;
  };
  EXPECT_TRUE(Exec(kExecActions, {path}));
  EXPECT_TRUE(rewrote);
  EXPECT_EQ(host.Lines(), (Lines{"First", "Second", "Third"}));
}

TEST_F(HostLinesTest, ALineRunningTheSameFileAgainDoesNotDisturbTheOuterRun) {
  const std::string path = scratch.Write("nested.txt", "A\r\nNest\r\nB\r\n");
  int depth = 0;
  host.lineRunner = [&](const std::string& line) {
    if (line == "Nest" && depth < 2) {
      ++depth;
      EXPECT_TRUE(host.ExecAction(kExecActions, {path}));
      --depth;
    }
  };
  EXPECT_TRUE(Exec(kExecActions, {path}));
  EXPECT_EQ(host.Lines(), (Lines{"A", "Nest", "A", "Nest", "A", "Nest", "B", "B", "B"}));
}

// ------------------------------------------------------ qpClearVariables

Lines ClearLines(const std::string& name) {
  return {"DefineVar \"" + name + "\" \"Undefined\" \"\" \"Global\" \"\"", "ClearVariables \"" + name + "\""};
}

Lines Join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

const char kSavePrefix[] = "SaveVariables \"";

// A host that answers SaveVariables by writing the saved file; the contents
// of the successive saves are given in order (an empty optional: no file).
class ClearVariablesTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    host.lineRunner = [this](const std::string& line) { Run(line); };
  }

  void Run(const std::string& line) {
    if (line.compare(0, sizeof kSavePrefix - 1, kSavePrefix) == 0 && line.back() == '"') {
      std::string path = line.substr(sizeof kSavePrefix - 1, line.size() - sizeof kSavePrefix);
      savePaths.push_back(path);
      size_t n = savePaths.size() - 1;
      if (n < saves.size() && saves[n].write) ScratchFolder::WriteFile(path, saves[n].content);
    } else if (!savePaths.empty()) {
      // Every clearing line comes after the plug-in has read and deleted the
      // saved file.
      EXPECT_FALSE(FilePresent(savePaths.back())) << "still present while clearing: " << savePaths.back();
    }
  }

  // The lines sent, with each SaveVariables line given as "Save#k".
  Lines SentLines() const {
    Lines out;
    size_t k = 0;
    for (const std::string& l : host.Lines())
      out.push_back(l.compare(0, sizeof kSavePrefix - 1, kSavePrefix) == 0 ? "Save#" + std::to_string(k++) : l);
    return out;
  }

  void ExpectNoFileLeft() const {
    for (const std::string& p : savePaths) EXPECT_FALSE(FilePresent(p)) << p;
  }

  struct Save {
    bool write;
    std::string content;
  };
  std::vector<Save> saves;
  std::vector<std::string> savePaths;
};

TEST_F(ClearVariablesTest, PlainItemsSendTheirTwoLinesWithoutASave) {
  struct Case {
    const char* list;
    Lines lines;
  };
  const Case cases[] = {
      {"Score", ClearLines("Score")},
      {" Score , Level|Lives", Join({ClearLines("Score"), ClearLines("Level"), ClearLines("Lives")})},
      {"Score,", Join({ClearLines("Score"), ClearLines("")})},
      {"Two Words", ClearLines("Two Words")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    host.ClearEvents();
    EXPECT_TRUE(Exec(kClearVariables, {c.list}));
    EXPECT_EQ(host.Lines(), c.lines);
    EXPECT_TRUE(host.Writes().empty());
  }
}

TEST_F(ClearVariablesTest, PatternsMatchTheSavedNamesInFileOrder) {
  const std::string saved = "Alpha=1\r\nGameA=2\r\ngameB=3\r\nNoEquals\r\nTotal = 5\r\nGame=\r\na*x=7\r\n";
  struct Case {
    const char* list;
    Lines lines;
  };
  const Case cases[] = {
      {"*", Join({{"Save#0"}, ClearLines("Alpha"), ClearLines("GameA"), ClearLines("gameB"), ClearLines(""),
                  ClearLines("Total "), ClearLines("Game"), ClearLines("a*x")})},
      {"Game*", Join({{"Save#0"}, ClearLines("GameA"), ClearLines("Game")})},
      // one save serves both patterns, and a name both match is cleared twice
      {"Game*|G*", Join({{"Save#0"}, ClearLines("GameA"), ClearLines("Game"), ClearLines("GameA"), ClearLines("Game")})},
      {"a*b", Join({{"Save#0"}, ClearLines("a*x")})},
      {"To*,Score", Join({{"Save#0"}, ClearLines("Total "), ClearLines("Score")})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    host.ClearEvents();
    saves = {{true, saved}};
    savePaths.clear();
    EXPECT_TRUE(Exec(kClearVariables, {c.list}));
    EXPECT_EQ(SentLines(), c.lines);
    EXPECT_TRUE(host.Writes().empty());
    ExpectNoFileLeft();
  }
}

TEST_F(ClearVariablesTest, ASaveWithoutAFileClearsNothingAndTheNextPatternSavesAgain) {
  saves = {{false, ""}, {true, ""}, {true, "Yes=1\r\n"}};
  EXPECT_TRUE(Exec(kClearVariables, {"X*,Y*,Z*,Ye*"}));
  // no file, then an empty file: each leaves the list empty
  EXPECT_EQ(SentLines(), Join({{"Save#0", "Save#1", "Save#2"}, ClearLines("Yes")}));
  ASSERT_EQ(savePaths.size(), 3u);
  EXPECT_NE(savePaths[0], savePaths[1]);
  EXPECT_NE(savePaths[1], savePaths[2]);
  ExpectNoFileLeft();
}

TEST_F(ClearVariablesTest, TheSavePathIsANewFileInTheTemporaryFolder) {
  saves = {{true, "A=1\r\n"}};
  EXPECT_TRUE(Exec(kClearVariables, {"*"}));
  ASSERT_EQ(savePaths.size(), 1u);
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = temp;
  ASSERT_GT(savePaths[0].size(), folder.size());
  EXPECT_EQ(savePaths[0].substr(0, folder.size()), folder);
  const std::string guid = savePaths[0].substr(folder.size());
  EXPECT_EQ(guid.size(), 38u) << guid;
  EXPECT_EQ(guid.front(), '{');
  EXPECT_EQ(guid.back(), '}');
  ExpectNoFileLeft();
}

TEST_F(ClearVariablesTest, ASavedFileThatCannotBeReadClearsNothingAndIsStillRemoved) {
  // The host keeps the file open without sharing until the save line is done;
  // then it lets go, and the plug-in removes it at the end.
  HANDLE lock = INVALID_HANDLE_VALUE;
  host.lineRunner = [&](const std::string& line) {
    if (line.compare(0, sizeof kSavePrefix - 1, kSavePrefix) == 0) {
      Run(line);
      lock = CreateFileA(savePaths.back().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    } else if (lock != INVALID_HANDLE_VALUE) {
      CloseHandle(lock);
      lock = INVALID_HANDLE_VALUE;
    }
  };
  saves = {{true, "A=1\r\n"}};
  EXPECT_TRUE(Exec(kClearVariables, {"*,Last"}));
  EXPECT_EQ(SentLines(), Join({{"Save#0"}, ClearLines("Last")}));
  EXPECT_EQ(host.Writes(), (Writes{{"LastError", ExpectedSystemText(ERROR_SHARING_VIOLATION)}}));
  if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
  ExpectNoFileLeft();
}

// --------------------------------------------------------- qpAddShortcut

struct ShortcutFacts {
  bool loaded = false;
  std::string path, arguments, workingFolder, description;
  int showCommand = -1;
};

ShortcutFacts ReadShortcut(const std::string& lnk) {
  ShortcutFacts f;
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link))))
    return f;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    std::wstring wide(lnk.begin(), lnk.end());
    if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
      char buffer[MAX_PATH * 2] = {};
      f.loaded = true;
      link->GetPath(buffer, sizeof buffer, nullptr, SLGP_RAWPATH);
      f.path = buffer;
      buffer[0] = 0;
      link->GetArguments(buffer, sizeof buffer);
      f.arguments = buffer;
      buffer[0] = 0;
      link->GetWorkingDirectory(buffer, sizeof buffer);
      f.workingFolder = buffer;
      buffer[0] = 0;
      link->GetDescription(buffer, sizeof buffer);
      f.description = buffer;
      link->GetShowCmd(&f.showCommand);
    }
    file->Release();
  }
  link->Release();
  return f;
}

// Compares paths as the shell may hand them back (letter case differs).
std::string Lower(std::string s) {
  CharLowerBuffA(&s[0], static_cast<DWORD>(s.size()));
  return s;
}

class AddShortcutTest : public PluginTest {
 protected:
  ScratchFolder scratch;
};

TEST_F(AddShortcutTest, WritesARealShortcutWithEveryField) {
  const std::string target = scratch.Write("app.exe", "MZ");
  for (const char* delimiter : {"", "\\"}) {
    SCOPED_TRACE(std::string("folder delimiter '") + delimiter + "'");
    host.ClearEvents();
    const std::string lnk = scratch.File("Tools.lnk");
    DeleteFileA(lnk.c_str());
    EXPECT_TRUE(Exec(kAddShortcut, {target, "-x", scratch.Path() + delimiter, "Tools", "Tool set", "Result"}));
    EXPECT_EQ(host.Writes(), (Writes{{"Result", "True"}}));
    ASSERT_TRUE(FilePresent(lnk));
    const ShortcutFacts f = ReadShortcut(lnk);
    ASSERT_TRUE(f.loaded);
    EXPECT_EQ(Lower(f.path), Lower(target));
    EXPECT_EQ(f.arguments, "-x");
    EXPECT_EQ(Lower(f.workingFolder), Lower(scratch.Path()));
    EXPECT_EQ(f.description, "Tool set");
    EXPECT_EQ(f.showCommand, SW_SHOWNORMAL);
  }
}

TEST_F(AddShortcutTest, AFolderTargetWorksInItsParentFolder) {
  const std::string target = scratch.File("Data");
  ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
  EXPECT_TRUE(Exec(kAddShortcut, {target, "", scratch.Path(), "Data.lnk", "", "Result"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Result", "True"}}));
  const std::string lnk = scratch.File("Data.lnk.lnk");  // the name is taken as given
  ASSERT_TRUE(FilePresent(lnk));
  const ShortcutFacts f = ReadShortcut(lnk);
  ASSERT_TRUE(f.loaded);
  EXPECT_EQ(Lower(f.path), Lower(target));
  EXPECT_EQ(Lower(f.workingFolder), Lower(scratch.Path()));
}

TEST_F(AddShortcutTest, AMissingTargetWritesFalseThenTheNotExistsText) {
  const std::string target = scratch.File("missing.exe");
  EXPECT_TRUE(Exec(kAddShortcut, {target, "", scratch.Path(), "Gone", "", "Result"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Result", "False"}, {"LastError", "The path \"" + target + "\" not exists"}}));
  EXPECT_FALSE(FilePresent(scratch.File("Gone.lnk")));
}

TEST_F(AddShortcutTest, AMissingShortcutFolderWritesFalseThenTheSystemText) {
  const std::string target = scratch.Write("app.exe", "MZ");
  const std::string folder = scratch.File("no\\such\\folder");
  EXPECT_TRUE(Exec(kAddShortcut, {target, "", folder, "Tools", "", "Result"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Result", "False"}, {"LastError", ExpectedSystemText(ERROR_PATH_NOT_FOUND)}}));
}

HRESULT WINAPI RefuseCreate(REFCLSID, LPUNKNOWN, DWORD context, REFIID, LPVOID* out) {
  if (out) *out = nullptr;
  EXPECT_EQ(context, 5u);
  return E_ACCESSDENIED;
}

// A stand-in object that offers neither interface and counts its references.
struct BareObject : IUnknown {
  LONG refs = 1;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--refs); }
};
BareObject* g_bare = nullptr;

HRESULT WINAPI CreateBare(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID* out) {
  *out = g_bare;
  return S_OK;
}

TEST_F(AddShortcutTest, AnObjectThatCannotBeMadeWritesFalseAndTheCodesText) {
  const std::string target = scratch.Write("app.exe", "MZ");
  Hook("ole32.dll", "CoCreateInstance", &RefuseCreate);
  EXPECT_TRUE(Exec(kAddShortcut, {target, "", scratch.Path(), "Tools", "", "Result"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Result", "False"}, {"LastError", ExpectedSystemText(ERROR_ACCESS_DENIED)}}));
  EXPECT_FALSE(FilePresent(scratch.File("Tools.lnk")));
}

TEST_F(AddShortcutTest, AnObjectWithoutTheShellLinkInterfaceIsReleased) {
  const std::string target = scratch.Write("app.exe", "MZ");
  BareObject bare;
  g_bare = &bare;
  Hook("ole32.dll", "CoCreateInstance", &CreateBare);
  EXPECT_TRUE(Exec(kAddShortcut, {target, "", scratch.Path(), "Tools", "", "Result"}));
  EXPECT_EQ(bare.refs, 0);
  EXPECT_EQ(host.Writes(), (Writes{{"Result", "False"}, {"LastError", ExpectedSystemText(E_NOINTERFACE & 0xFFFF)}}));
  g_bare = nullptr;
}

}  // namespace
}  // namespace qptest
