// bxhost: the script interpreter on the real plug-in (host commands, line
// errors, actions returning false, lines the plug-in sends back, the demo),
// and the program itself: its exit status, the catalogue listing and the
// checked-in action reference.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "host/Catalogue.h"
#include "host/ScriptRunner.h"
#include "host/UScriptRules.h"
#include "tests/win/PluginFixture.h"

namespace qptest {
namespace {

const std::string kData = std::string(QPU_TEST_DATA) + "/bxhost/";

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

std::string TempPath(const char* tag) {
  char dir[MAX_PATH], file[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  GetTempFileNameA(dir, tag, 0, file);
  return file;
}

// An expected line: literal text with {GUID} (a registry-form GUID), {TEXT}
// (one or more characters) and {ANY} (any characters) standing in for what
// differs between runs or systems.
bool LineMatches(const std::string& pattern, const std::string& line) {
  std::string re;
  for (size_t i = 0; i < pattern.size();) {
    if (pattern.compare(i, 6, "{GUID}") == 0) {
      re += "\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}";
      i += 6;
    } else if (pattern.compare(i, 6, "{TEXT}") == 0) {
      re += ".+";
      i += 6;
    } else if (pattern.compare(i, 5, "{ANY}") == 0) {
      re += ".*";
      i += 5;
    } else {
      char c = pattern[i++];
      if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos) re += '\\';
      re += c;
    }
  }
  return std::regex_match(line, std::regex(re));
}

// Runs scripts through the interpreter with everything it prints (Print
// output and reports alike) collected in one transcript, in order.
class ScriptTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    runner.reset(new bxhost::ScriptRunner(host));
    runner->out = [this](const std::string& s) { transcript += s; };
    runner->err = [this](const std::string& s) { transcript += s; };
  }
  void TearDown() override {
    runner.reset();
    PluginTest::TearDown();
  }
  bool Run(const std::string& script) { return runner->RunText("t.txt", script); }

  // Whether an action of the plug-in does its work in this build (the actions
  // land one by one; the tests that need them wait for them).
  bool Works(const std::string& script, const std::string& name, const std::string& value) {
    Run(script);
    bool works = host.HasVar(name) && host.Var(name) == value;
    host.variables.clear();
    transcript.clear();
    return works;
  }
  bool LineActionsWork() { return Works("qpExecAction \"SetVar \"\"probe\"\" \"\"1\"\"\"", "probe", "1"); }

  std::unique_ptr<bxhost::ScriptRunner> runner;
  std::string transcript;
};

TEST_F(ScriptTest, HostCommandsMatchTheirExpectedTranscript) {
  const std::string saved = TempPath("bxs");
  host.variables["SavePath"] = saved;
  ASSERT_TRUE(runner->RunFile(kData + "host_commands.txt")) << transcript;
  EXPECT_EQ(transcript, ReadFile(kData + "host_commands.expected"));
  EXPECT_EQ(ReadFile(saved),
            " spaced =blanks belong to the name\r\n"
            "Brackets=[Name]\r\n"
            "Fresh=initial\r\n"
            "Name=World\r\n"
            "SavePath=" + saved + "\r\n");
  DeleteFileA(saved.c_str());
}

TEST_F(ScriptTest, SaveVariablesKeepsEveryVariableOnOneLine) {
  const std::string saved = TempPath("bxs");
  host.variables["SavePath"] = saved;
  host.variables["Note"] = "one\r\nLevel=2 \\o/";
  host.variables["a=b"] = "cannot be named in the file";
  EXPECT_TRUE(Run("SaveVariables \"[SavePath]\"\nPrint \"went on\"\n"));
  EXPECT_EQ(ReadFile(saved), "Note=one\\r\\nLevel=2 \\o/\r\nSavePath=" + saved + "\r\n");
  EXPECT_NE(transcript.find("t.txt:1: SaveVariables failed: left out the variables \"a=b\""), std::string::npos)
      << transcript;
  EXPECT_NE(transcript.find("went on\n"), std::string::npos);
  EXPECT_EQ(runner->HostFailures(), 1);
  DeleteFileA(saved.c_str());
}

struct LineErrorCase {
  const char* script;
  const char* where;    // the file and line the message begins with
  const char* message;  // a part of what follows
};

TEST_F(ScriptTest, LineErrorsStopTheScriptNamingFileAndLine) {
  const LineErrorCase cases[] = {
      {"Print \"unclosed\n", "t.txt:1: ", "cannot read the line: column 7: argument 1 has no closing quote"},
      {"Print \"ok\"\n\nPrint bare\n", "t.txt:3: ", "argument 1 is not in double quotes"},
      {"NoSuchAction \"x\"\n", "t.txt:1: ", "unknown command NoSuchAction"},
      {"qpreversestr \"a\" \"b\"\n", "t.txt:1: ", "unknown command qpreversestr (did you mean qpReverseStr?)"},
      {"print \"a\"\n", "t.txt:1: ", "(did you mean Print?)"},
      {"Print \"a\" \"b\"\n", "t.txt:1: ", "Print takes 1 argument (Print \"text\"), the line gives 2"},
      {"DefineVar \"a\" \"b\"\n", "t.txt:1: ", "DefineVar takes 5 arguments"},
      {"qpReverseStr \"abc\"\n", "t.txt:1: ", "qpReverseStr takes 2 arguments, the line gives 1"},
      {"qpHideCursor \"x\"\n", "t.txt:1: ", "qpHideCursor takes 0 arguments, the line gives 1"},
      {"qpMidStr \"a\" \"1\" \"2\" \"R\" \"extra\"\n", "t.txt:1: ", "qpMidStr takes 4 arguments, the line gives 5"},
      {"Print \"[Unclosed\"\n", "t.txt:1: ", "argument 1: the \"[\" at position 1 of the argument has no \"]\""},
      {"SetVar \"a\" \"[]\"\n", "t.txt:1: ", "argument 2: empty variable name"},
      {"Print \"a\"\r\nPrint \"b\"\r\nBad\r\n", "t.txt:3: ", "unknown command Bad"},
  };
  for (const auto& c : cases) {
    host.variables.clear();
    transcript.clear();
    EXPECT_FALSE(Run(std::string(c.script) + "SetVar \"after\" \"ran\"\n")) << c.script;
    EXPECT_EQ(runner->Error().rfind(c.where, 0), 0u) << c.script << " gave: " << runner->Error();
    EXPECT_NE(runner->Error().find(c.message), std::string::npos) << c.script << " gave: " << runner->Error();
    EXPECT_NE(transcript.find(std::string(c.where) + "the script stops here"), std::string::npos) << transcript;
    EXPECT_FALSE(host.HasVar("after")) << c.script << ": a line after the error ran";
  }
}

TEST_F(ScriptTest, AnActionReturningFalseIsReportedAndTheScriptGoesOn) {
  const std::string missing = TempPath("bxm");
  DeleteFileA(missing.c_str());
  host.variables["Missing"] = missing;
  EXPECT_TRUE(Run("Print \"before\"\nqpFileSize \"[Missing]\" \"Size\"\nPrint \"after\"\n"));
  EXPECT_EQ(runner->FalseActions(), 1);
  std::string report = "t.txt:2: qpFileSize returned false";
  // Where the action says why, the report passes it on.
  if (host.HasVar("LastError")) report += "; LastError: " + host.Var("LastError");
  EXPECT_EQ(transcript, "before\n" + report + "\nafter\n");
}

TEST_F(ScriptTest, LinesThePluginSendsRunThroughTheInterpreter) {
  if (!LineActionsWork()) GTEST_SKIP() << "qpExecAction does not run lines in this build yet";
  using bxhost::QuoteArgument;
  host.variables["Who"] = "outer";
  host.variables["Lines"] = kData + "nested_lines.txt";
  const std::string twoDeep = "qpExecAction " + QuoteArgument("qpExecAction " + QuoteArgument("Print \"two deep\""));
  EXPECT_TRUE(Run("qpExecAction \"Print \"\"sent: [[Who]\"\"\"\n" + twoDeep +
                  "\nqpExecActions \"[Lines]\"\nPrint \"[FromFile]\"\n"))
      << transcript;
  EXPECT_EQ(transcript,
            "sent: outer\n"
            "two deep\n"
            "file line 2\n"
            "nested in the file: outer via the file\n"
            "file line 5\n"
            "outer via the file\n");
  EXPECT_EQ(runner->FalseActions(), 0);
}

TEST_F(ScriptTest, AnErrorInASentLineStopsTheScriptOnceTheActionReturns) {
  if (!LineActionsWork()) GTEST_SKIP() << "qpExecAction does not run lines in this build yet";
  EXPECT_FALSE(Run("Print \"one\"\nqpExecAction \"Bogus \"\"x\"\"\"\nPrint \"never\"\n"));
  EXPECT_EQ(runner->Error(), "t.txt:2: in the line the plug-in sent, \"Bogus \"\"x\"\"\": unknown command Bogus");
  EXPECT_EQ(transcript.find("never"), std::string::npos);
}

TEST_F(ScriptTest, ALineFileThatRunsItselfStopsAtTheDepthLimit) {
  if (!LineActionsWork()) GTEST_SKIP() << "qpExecAction does not run lines in this build yet";
  host.variables["Self"] = kData + "runs_itself.txt";
  EXPECT_FALSE(Run("qpExecActions \"[Self]\"\nPrint \"never\"\n"));
  EXPECT_NE(runner->Error().find("t.txt:1: in the line the plug-in sent"), std::string::npos) << runner->Error();
  EXPECT_NE(runner->Error().find("nest more than 32 deep"), std::string::npos) << runner->Error();
  EXPECT_EQ(transcript.find("never"), std::string::npos);
}

TEST_F(ScriptTest, ClearVariablesByPatternThroughTheHostLines) {
  if (!Works("SetVar \"x\" \"1\"\nqpClearVariables \"x\"\nDefineVar \"x\" \"\" \"cleared\" \"\" \"\"", "x", "cleared"))
    GTEST_SKIP() << "qpClearVariables does not clear variables in this build yet";
  for (const char* name : {"Game.A", "Game.B", "game.c", "Level", "Lives"}) host.variables[name] = "v";
  EXPECT_TRUE(Run("qpClearVariables \"Game*, Level\"\n")) << transcript;
  EXPECT_EQ(runner->VariablesText(), "Lives=v\ngame.c=v\n");
  EXPECT_EQ(transcript, "");
}

// The demo runs from the checkout's root, as the README shows it.
class DemoTest : public ScriptTest {
 protected:
  void SetUp() override {
    ScriptTest::SetUp();
    char previous[MAX_PATH], root[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    previous_ = previous;
    GetFullPathNameA((std::string(QPU_TEST_DATA) + "/../..").c_str(), MAX_PATH, root, nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(root)) << root;
  }
  void TearDown() override {
    SetCurrentDirectoryA(previous_.c_str());
    ScriptTest::TearDown();
  }
  std::string previous_;
};

// Holds while actions are still being built: every demo line is readable and
// known with the right argument count, and the demo's own Print lines come
// out in order (each line's label, the text before its first ":").
TEST_F(DemoTest, RunsToTheEndWithItsLinesInOrder) {
  std::string printed;
  runner->out = [&](const std::string& s) { printed += s; };
  ASSERT_TRUE(runner->RunFile("examples/demo.txt")) << runner->Error();
  std::vector<std::string> labels;
  for (const auto& l : Split(ReadFile(kData + "demo.expected"))) labels.push_back(l.substr(0, l.find(':')));
  size_t next = 0;
  for (const auto& l : Split(printed)) {
    std::string label = l.substr(0, l.find(':'));
    while (next < labels.size() && labels[next] != label) ++next;
    ASSERT_LT(next, labels.size()) << "unexpected or out-of-order line: " << l << "\n" << printed;
    ++next;
  }
}

// The demo's whole transcript, results included. Needs every action the demo
// uses; enable it once they have all landed.
TEST_F(DemoTest, TranscriptMatchesExpected) {
  EXPECT_TRUE(runner->RunFile("examples/demo.txt")) << runner->Error();
  std::vector<std::string> want = Split(ReadFile(kData + "demo.expected")), got = Split(transcript);
  for (size_t i = 0; i < want.size() || i < got.size(); ++i) {
    std::string w = i < want.size() ? want[i] : "(nothing)", g = i < got.size() ? got[i] : "(nothing)";
    EXPECT_TRUE(LineMatches(w, g)) << "line " << i + 1 << "\n  expected: " << w << "\n       got: " << g;
  }
  EXPECT_EQ(runner->FalseActions(), 1);  // the deliberate missing file
}

// bxhost.exe itself, started as a separate program.
struct ProgramResult {
  DWORD status = 0xFFFFFFFF;
  std::string out, err;
};

ProgramResult RunBxhost(const std::string& arguments) {
  ProgramResult r;
  SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
  const std::string outPath = TempPath("bxo"), errPath = TempPath("bxe");
  HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
  HANDLE err = CreateFileA(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = out;
  si.hStdError = err;
  PROCESS_INFORMATION pi{};
  std::string command = "\"" + BesideTests("bxhost.exe") + "\" " + arguments;
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    if (WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &r.status);
    else TerminateProcess(pi.hProcess, 99);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  CloseHandle(out);
  CloseHandle(err);
  r.out = ReadFile(outPath);
  r.err = ReadFile(errPath);
  DeleteFileA(outPath.c_str());
  DeleteFileA(errPath.c_str());
  return r;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

TEST(BxhostProgramTest, ListPrintsTheWholeCatalogueByCategory) {
  ProgramResult r = RunBxhost("--list " + Quoted(PluginPath()));
  EXPECT_EQ(r.status, 0u) << r.err;
  EXPECT_EQ(r.out.rfind("Strings\n  1  qpStartsStr (text, text, variable)\n      Find if a text begin with another text.\n", 0),
            0u)
      << r.out;
  EXPECT_NE(r.out.find("\nPublication\n  20  qpSetVar (text, text, text)\n"), std::string::npos);
  EXPECT_NE(r.out.find("  21  qpHideCursor (none)\n"), std::string::npos);
  EXPECT_NE(r.out.find("  48  qpErrorMessage (number, variable)\n"), std::string::npos);
  const std::string end = "\n\n8 categories, 60 actions\n";
  EXPECT_EQ(r.out.substr(r.out.size() - std::min(r.out.size(), end.size())), end);
}

// docs/actions.md is generated by scripts/gen-reference.sh from this output.
TEST(BxhostProgramTest, CheckedInReferenceMatchesTheCatalogue) {
  ProgramResult r = RunBxhost("--list --markdown " + Quoted(PluginPath()));
  EXPECT_EQ(r.status, 0u) << r.err;
  const std::string docs = ReadFile(std::string(QPU_TEST_DATA) + "/../../docs/actions.md");
  EXPECT_EQ(r.out, docs) << "docs/actions.md differs from what the plug-in declares: run scripts/gen-reference.sh";
  // The README carries the same reference between its two markers.
  const std::string readme = ReadFile(std::string(QPU_TEST_DATA) + "/../../README.md");
  const std::string begin = "<!-- action reference: generated by scripts/gen-reference.sh -->\n";
  const std::string finish = "<!-- end of action reference -->\n";
  size_t b = readme.find(begin), e = readme.find(finish);
  ASSERT_NE(b, std::string::npos) << "README.md has no action reference";
  ASSERT_NE(e, std::string::npos);
  b += begin.size();
  ASSERT_LE(b, e);
  EXPECT_EQ(readme.substr(b, e - b), r.out) << "the README's action reference is stale: run scripts/gen-reference.sh";
  // And the program prints what the catalogue routine makes of the declarations.
  bxhost::PluginHost host;
  ASSERT_TRUE(host.Load(PluginPath()));
  host.RegisterPlugIn();
  EXPECT_EQ(r.out, bxhost::CatalogueMarkdown(host.declarations));
}

TEST(BxhostProgramTest, ExitStatusTellsHowTheScriptEnded) {
  const std::string plugin = Quoted(PluginPath());
  struct Case {
    std::string arguments;
    DWORD status;
    const char* out;  // what the standard output begins with
    const char* err;  // a part of the standard error, or "" for none at all
  } cases[] = {
      {"", 2, "", "usage: bxhost"},
      {"--list", 2, "", "usage: bxhost"},
      {"--markdown " + plugin + " x.txt", 2, "", "usage: bxhost"},
      {plugin + " " + Quoted(kData + "no-such-script.txt"), 1, "", "cannot read the script"},
      {Quoted(kData + "no-such.bxr") + " x.txt", 1, "", "bxhost: cannot load"},
      {"--vars " + plugin + " " + Quoted(kData + "program_error.txt"), 1, "before\nA=1\n",
       "program_error.txt:3: unknown command Nope"},
      {"--vars " + plugin + " " + Quoted(kData + "program_false.txt"), 0, "went on\nA=1\nB=2\n",
       "program_false.txt:2: qpFileSize returned false"},
  };
  for (const auto& c : cases) {
    ProgramResult r = RunBxhost(c.arguments);
    EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.err;
    EXPECT_EQ(r.out.rfind(c.out, 0), 0u) << c.arguments << " printed: " << r.out;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << c.arguments << " gave: " << r.err;
  }
}

}  // namespace
}  // namespace qptest
