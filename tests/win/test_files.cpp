// The file and drive actions through the real DLL: sizes, path forms and
// temporary paths on real files; drive types through a recorded
// GetDriveTypeA; shell file operations done for real in a temporary folder
// and, for the exact buffers and flags, through a recorded SHFileOperationA.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tests/win/PluginFixture.h"
#include "tests/win/TempFolder.h"

namespace qptest {
namespace {

using namespace std::string_literals;

enum : uint32_t {
  kFileSize = 54,
  kDriveType = 55,
  kFileOperation = 56,
  kTempFilePath = 57,
  kSystemDrives = 58,
  kFileLongPath = 59,
  kFileShortPath = 60,
};

std::string NotExists(const std::string& path) { return "The file \"" + path + "\" not exists"; }

class FilesTest : public PluginTest {
 protected:
  TempFolder folder;
};

// ---- qpFileSize ---------------------------------------------------------

TEST_F(FilesTest, FileSizeOfRealFilesUpToBeyondFourGigabytes) {
  ASSERT_TRUE(WriteFileBytes(folder.Path("empty.bin"), ""));
  ASSERT_TRUE(WriteFileBytes(folder.Path("five.bin"), "12345"));
  // A sparse file of 5 GiB: the end is set without writing anything.
  std::string big = folder.Path("big.bin");
  HANDLE h = CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  LARGE_INTEGER end;
  end.QuadPart = 5368709120LL;
  ASSERT_TRUE(SetFilePointerEx(h, end, nullptr, FILE_BEGIN));
  ASSERT_TRUE(SetEndOfFile(h));
  CloseHandle(h);

  const std::pair<const char*, const char*> cases[] = {{"empty.bin", "0"}, {"five.bin", "5"}, {"big.bin", "5368709120"}};
  for (const auto& c : cases) {
    host.ClearEvents();
    EXPECT_TRUE(Exec(kFileSize, {folder.Path(c.first), "Size"})) << c.first;
    EXPECT_EQ(host.Writes(), (Writes{{"Size", c.second}})) << c.first;
  }
}

// The three actions that need an existing file refuse folders, missing paths
// and wildcards alike: LastError first, then "False", and false.
TEST_F(FilesTest, FileActionsRefuseWhatIsNotAnExistingFile) {
  ASSERT_TRUE(WriteFileBytes(folder.Path("a.txt"), "a"));
  const std::string paths[] = {folder.Path(), folder.Path("missing.txt"), folder.Path("*.txt"), folder.Path("?.txt"),
                               ""};
  for (uint32_t action : {kFileSize, kFileLongPath, kFileShortPath}) {
    for (const std::string& path : paths) {
      host.ClearEvents();
      EXPECT_FALSE(Exec(action, {path, "R"})) << action << " " << path;
      EXPECT_EQ(host.Writes(), (Writes{{"LastError", NotExists(path)}, {"R", "False"}})) << action << " " << path;
    }
  }
}

HANDLE WINAPI FailingFindFirstFileA(LPCSTR, LPWIN32_FIND_DATAA) {
  SetLastError(ERROR_ACCESS_DENIED);
  return INVALID_HANDLE_VALUE;
}

TEST_F(FilesTest, FileSizeReportsAFailedSearch) {
  ASSERT_TRUE(WriteFileBytes(folder.Path("a.txt"), "a"));
  Hook("kernel32.dll", "FindFirstFileA", &FailingFindFirstFileA);
  EXPECT_FALSE(Exec(kFileSize, {folder.Path("a.txt"), "Size"}));
  EXPECT_EQ(host.Writes(), (Writes{{"LastError", ExpectedSystemText(ERROR_ACCESS_DENIED)}, {"Size", "False"}}));
}

// ---- qpFileLongPath / qpFileShortPath -----------------------------------

std::string SystemForm(DWORD(WINAPI* convert)(LPCSTR, LPSTR, DWORD), const std::string& path) {
  DWORD n = convert(path.c_str(), nullptr, 0);
  std::string form(n, '\0');
  n = convert(path.c_str(), &form[0], n);
  form.resize(n);
  return form;
}

TEST_F(FilesTest, LongAndShortFormsAreWhatTheSystemAnswers) {
  std::string longPath = folder.Path("A long file name.text");
  ASSERT_TRUE(WriteFileBytes(longPath, "x"));
  std::string shortPath = SystemForm(&GetShortPathNameA, longPath);
  ASSERT_FALSE(shortPath.empty());
  ASSERT_NE(shortPath, longPath);

  EXPECT_TRUE(Exec(kFileShortPath, {longPath, "Short"}));
  EXPECT_TRUE(Exec(kFileLongPath, {shortPath, "Long"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Short", shortPath}, {"Long", SystemForm(&GetLongPathNameA, shortPath)}}));
  EXPECT_EQ(host.Var("Long"), longPath);
}

// A form longer than 260 characters does not fit the first buffer: the system
// names the size it needs and the action asks again with a buffer of that
// size. (The ANSI file functions of the test system stop at 260 characters,
// so the answer is recorded.)
const std::string kLongForm = "C:\\" + std::string(300, 'x') + "\\deep.txt";
std::vector<DWORD> g_formBufferSizes;

DWORD WINAPI LongFormGetShortPathNameA(LPCSTR, LPSTR buffer, DWORD size) {
  g_formBufferSizes.push_back(size);
  if (size <= kLongForm.size()) return static_cast<DWORD>(kLongForm.size() + 1);
  memcpy(buffer, kLongForm.c_str(), kLongForm.size() + 1);
  return static_cast<DWORD>(kLongForm.size());
}

TEST_F(FilesTest, FormsLongerThan260CharactersComeBackWhole) {
  ASSERT_TRUE(WriteFileBytes(folder.Path("a.txt"), "a"));
  g_formBufferSizes.clear();
  Hook("kernel32.dll", "GetShortPathNameA", &LongFormGetShortPathNameA);
  EXPECT_TRUE(Exec(kFileShortPath, {folder.Path("a.txt"), "Short"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Short", kLongForm}}));
  ASSERT_EQ(g_formBufferSizes.size(), 2u);
  EXPECT_EQ(g_formBufferSizes[0], 261u);
  EXPECT_GE(g_formBufferSizes[1], kLongForm.size() + 1);
}

DWORD g_pathCallError = 0;
std::vector<DWORD> g_pathBufferSizes;

DWORD WINAPI FailingGetLongPathNameA(LPCSTR, LPSTR, DWORD size) {
  g_pathBufferSizes.push_back(size);
  SetLastError(g_pathCallError);
  return 0;
}

TEST_F(FilesTest, PathFormFailureReportsTheSystemError) {
  ASSERT_TRUE(WriteFileBytes(folder.Path("a.txt"), "a"));
  g_pathCallError = ERROR_ACCESS_DENIED;
  g_pathBufferSizes.clear();
  Hook("kernel32.dll", "GetLongPathNameA", &FailingGetLongPathNameA);
  EXPECT_FALSE(Exec(kFileLongPath, {folder.Path("a.txt"), "Long"}));
  EXPECT_EQ(host.Writes(), (Writes{{"LastError", ExpectedSystemText(ERROR_ACCESS_DENIED)}, {"Long", "False"}}));
  EXPECT_EQ(g_pathBufferSizes, (std::vector<DWORD>{261}));
}

// ---- qpTempFilePath -----------------------------------------------------

bool IsGuidText(const std::string& s) {
  if (s.size() != 38 || s.front() != '{' || s.back() != '}') return false;
  for (size_t i = 1; i < 37; ++i) {
    bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    char c = s[i];
    if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  }
  return true;
}

TEST_F(FilesTest, TempFilePathIsFolderGuidAndCleanedExtension) {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string tempFolder = temp;
  const std::pair<const char*, const char*> cases[] = {
      {"txt", ".txt"}, {".txt", ".txt"}, {"..txt", ".txt"}, {"tar.gz", ".targz"},
      {" txt", ". txt"}, {"", ""}, {"   ", ""}, {".", ""},
  };
  for (const auto& c : cases) {
    host.ClearEvents();
    EXPECT_TRUE(Exec(kTempFilePath, {c.first, "Path"})) << c.first;
    std::string path = host.Var("Path");
    ASSERT_EQ(path.compare(0, tempFolder.size(), tempFolder), 0) << path;
    std::string rest = path.substr(tempFolder.size());
    EXPECT_TRUE(IsGuidText(rest.substr(0, 38))) << path;
    EXPECT_EQ(rest.substr(38), c.second) << "extension " << c.first;
    EXPECT_FALSE(PathExists(path)) << path;
  }
}

TEST_F(FilesTest, TwoTempFilePathsDiffer) {
  EXPECT_TRUE(Exec(kTempFilePath, {"tmp", "A"}));
  EXPECT_TRUE(Exec(kTempFilePath, {"tmp", "B"}));
  EXPECT_NE(host.Var("A"), host.Var("B"));
}

// ---- qpDriveType / qpSystemDrives ---------------------------------------

// The drives of the recorded machine by letter; every other letter has no root.
std::map<char, UINT> g_drives;
std::vector<std::string> g_rootsAsked;

UINT WINAPI RecordedGetDriveTypeA(LPCSTR root) {
  std::string r = root ? root : "(null)";
  g_rootsAsked.push_back(r);
  auto it = r.size() == 3 ? g_drives.find(r[0]) : g_drives.end();
  return it == g_drives.end() ? DRIVE_NO_ROOT_DIR : it->second;
}

class DrivesTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    g_drives.clear();
    g_rootsAsked.clear();
  }
  void Record() { Hook("kernel32.dll", "GetDriveTypeA", &RecordedGetDriveTypeA); }
};

TEST_F(DrivesTest, DriveTypeAsksForTheCleanedRoot) {
  g_drives = {{'C', DRIVE_FIXED}, {'c', DRIVE_FIXED}, {'1', DRIVE_UNKNOWN}, {'E', DRIVE_CDROM}, {'N', DRIVE_REMOTE},
              {'R', DRIVE_RAMDISK}, {'A', DRIVE_REMOVABLE}};
  Record();
  const std::pair<const char*, const char*> cases[] = {
      {"C", "C:\\"},     {"C:", "C:\\"}, {"C:\\", "C:\\"}, {" C:\\ ", "C:\\"}, {"\\\\C:", "C:\\"},
      {"c", "c:\\"},     {"1", "1:\\"},  {"E", "E:\\"},    {"N", "N:\\"},      {"R", "R:\\"},
      {"A", "A:\\"},     {"Q", "Q:\\"},
  };
  const char* words[] = {"DRIVE_UNKNOWN", "DRIVE_NO_ROOT_DIR", "DRIVE_REMOVABLE", "DRIVE_FIXED",
                         "DRIVE_REMOTE",  "DRIVE_CDROM",       "DRIVE_RAMDISK"};
  for (const auto& c : cases) {
    host.ClearEvents();
    g_rootsAsked.clear();
    EXPECT_TRUE(Exec(kDriveType, {c.first, "Type"})) << c.first;
    EXPECT_EQ(g_rootsAsked, (std::vector<std::string>{c.second})) << c.first;
    EXPECT_EQ(host.Writes(), (Writes{{"Type", words[RecordedGetDriveTypeA(c.second)]}})) << c.first;
  }
}

TEST_F(DrivesTest, DriveTypeRefusesAnythingButOneCharacter) {
  Record();
  for (const char* drive : {"", "   ", "CD", "C:\\Windows", ":\\"}) {
    host.ClearEvents();
    EXPECT_FALSE(Exec(kDriveType, {drive, "Type"})) << drive;
    EXPECT_EQ(host.Writes(), (Writes{{"LastError", "Invalid \"qpDriveType\" action arguments"}, {"Type", "False"}}))
        << drive;
  }
  EXPECT_TRUE(g_rootsAsked.empty());
}

TEST_F(DrivesTest, DriveTypeOfTheRealSystemDrive) {
  EXPECT_TRUE(Exec(kDriveType, {"C", "Type"}));
  EXPECT_EQ(host.Var("Type"), "DRIVE_FIXED");
}

TEST_F(DrivesTest, SystemDrivesListsTheDrivesOfATypeInLetterOrder) {
  g_drives = {{'C', DRIVE_FIXED}, {'D', DRIVE_FIXED}, {'E', DRIVE_CDROM}, {'Z', DRIVE_REMOTE}, {'X', DRIVE_UNKNOWN}};
  Record();
  EXPECT_TRUE(Exec(kSystemDrives, {"DRIVE_FIXED", "Drive", "Last"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Drive0", "C:\\"}, {"Drive1", "D:\\"}, {"Last", "1"}}));
  std::vector<std::string> everyRoot;
  for (char c = 'A'; c <= 'Z'; ++c) everyRoot.push_back(std::string(1, c) + ":\\");
  EXPECT_EQ(g_rootsAsked, everyRoot);

  host.ClearEvents();
  EXPECT_TRUE(Exec(kSystemDrives, {"DRIVE_UNKNOWN", "Drive", "Last"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Drive0", "X:\\"}, {"Last", "0"}}));

  // A blank list name suppresses only the list.
  host.ClearEvents();
  EXPECT_TRUE(Exec(kSystemDrives, {"DRIVE_REMOTE", " ", "Last"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Last", "0"}}));
}

TEST_F(DrivesTest, SystemDrivesAllThenFewerKeepsTheHigherEntries) {
  g_drives = {{'C', DRIVE_FIXED}, {'D', DRIVE_FIXED}, {'E', DRIVE_CDROM}, {'Z', DRIVE_REMOTE}};
  Record();
  EXPECT_TRUE(Exec(kSystemDrives, {"DRIVE_ALL", "Drive", "Last"}));
  EXPECT_EQ(host.Writes(),
            (Writes{{"Drive0", "C:\\"}, {"Drive1", "D:\\"}, {"Drive2", "E:\\"}, {"Drive3", "Z:\\"}, {"Last", "3"}}));

  host.ClearEvents();
  EXPECT_TRUE(Exec(kSystemDrives, {"DRIVE_CDROM", "Drive", "Last"}));
  EXPECT_EQ(host.Writes(), (Writes{{"Drive0", "E:\\"}, {"Last", "0"}}));
  EXPECT_EQ(host.Var("Drive1"), "D:\\");
  EXPECT_EQ(host.Var("Drive3"), "Z:\\");
}

TEST_F(DrivesTest, SystemDrivesWithNoneOfTheTypeWritesNothing) {
  g_drives = {{'C', DRIVE_FIXED}};
  Record();
  host.variables["Drive0"] = "before";
  host.variables["Last"] = "7";
  EXPECT_TRUE(Exec(kSystemDrives, {"DRIVE_RAMDISK", "Drive", "Last"}));
  EXPECT_TRUE(host.Writes().empty());
  EXPECT_EQ(host.Var("Drive0"), "before");
  EXPECT_EQ(host.Var("Last"), "7");
}

TEST_F(DrivesTest, SystemDrivesRefusesUnknownWords) {
  Record();
  for (const char* word : {"drive_fixed", " DRIVE_FIXED", "DRIVE_NO_ROOT_DIR", "", "DRIVE_FIXED "}) {
    host.ClearEvents();
    EXPECT_FALSE(Exec(kSystemDrives, {word, "Drive", "Last"})) << word;
    EXPECT_EQ(host.Writes(), (Writes{{"LastError", "Invalid \"qpSystemDrives\" action arguments"}})) << word;
  }
  EXPECT_TRUE(g_rootsAsked.empty());
}

TEST_F(DrivesTest, SystemDrivesOnTheRealSystemIncludesC) {
  EXPECT_TRUE(Exec(kSystemDrives, {"DRIVE_ALL", "Drive", "Last"}));
  EXPECT_EQ(host.Var("Drive0").substr(1), ":\\");
  bool hasC = false;
  int last = std::stoi(host.Var("Last"));
  for (int i = 0; i <= last; ++i) hasC = hasC || host.Var("Drive" + std::to_string(i)) == "C:\\";
  EXPECT_TRUE(hasC);
  EXPECT_FALSE(host.HasVar("Drive" + std::to_string(last + 1)));
}

// ---- qpFileOperation, for real ------------------------------------------

TEST_F(FilesTest, FileOperationCopiesMovesRenamesAndDeletesForReal) {
  ASSERT_TRUE(WriteFileBytes(folder.Path("a.txt"), "alpha"));
  ASSERT_TRUE(WriteFileBytes(folder.Path("b.txt"), "beta"));
  std::string dest = folder.Path("dest");
  ASSERT_TRUE(CreateDirectoryA(dest.c_str(), nullptr));
  std::string content;

  EXPECT_TRUE(Exec(kFileOperation, {"FO_COPY", folder.Path("a.txt") + "|" + folder.Path("b.txt"), dest, "", "FOF_NO_UI",
                                    "R"}));
  EXPECT_EQ(host.Var("R"), "True");
  EXPECT_TRUE(ReadFileBytes(dest + "\\a.txt", content));
  EXPECT_EQ(content, "alpha");
  EXPECT_TRUE(ReadFileBytes(dest + "\\b.txt", content));
  EXPECT_EQ(content, "beta");
  EXPECT_TRUE(PathExists(folder.Path("a.txt")));

  EXPECT_TRUE(Exec(kFileOperation, {"FO_MOVE", folder.Path("a.txt"), folder.Path("moved"), "Moving", "FOF_NO_UI", "R"}));
  EXPECT_EQ(host.Var("R"), "True");
  EXPECT_FALSE(PathExists(folder.Path("a.txt")));
  EXPECT_TRUE(ReadFileBytes(folder.Path("moved"), content));
  EXPECT_EQ(content, "alpha");

  EXPECT_TRUE(Exec(kFileOperation, {"FO_RENAME", folder.Path("b.txt"), folder.Path("c.txt"), "", "FOF_NO_UI", "R"}));
  EXPECT_EQ(host.Var("R"), "True");
  EXPECT_FALSE(PathExists(folder.Path("b.txt")));
  EXPECT_TRUE(PathExists(folder.Path("c.txt")));

  EXPECT_TRUE(Exec(kFileOperation, {"FO_DELETE", folder.Path("c.txt") + "|" + dest, "", "", "FOF_NO_UI", "R"}));
  EXPECT_EQ(host.Var("R"), "True");
  EXPECT_FALSE(PathExists(folder.Path("c.txt")));
  EXPECT_FALSE(PathExists(dest));
  EXPECT_TRUE(host.Writes().size() == 4 && !host.HasVar("LastError")) << "no failure reported";
}

TEST_F(FilesTest, FileOperationOnAMissingFileReportsFalse) {
  EXPECT_TRUE(Exec(kFileOperation, {"FO_DELETE", folder.Path("missing.txt"), "", "", "FOF_NO_UI", "R"}));
  Writes w = host.Writes();
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(w[0].first, "LastError");
  EXPECT_NE(w[0].second, ExpectedSystemText(0)) << "a failure is not described by the success message";
  EXPECT_EQ(w[1], (std::pair<std::string, std::string>{"R", "False"}));
}

// ---- qpFileOperation, recorded ------------------------------------------

struct RecordedOperation {
  int calls = 0;
  HWND hwnd = nullptr;
  UINT func = 0;
  bool fromNull = true, toNull = true;
  std::string from, to;  // the first expected-size bytes of each buffer
  FILEOP_FLAGS flags = 0;
  BOOL abortedOnEntry = -1;
  bool mappingsNull = false;
  bool titleNull = true;
  std::string title;
};
RecordedOperation g_op;
size_t g_fromSize = 0, g_toSize = 0;  // how many bytes of each buffer to keep
int g_answer = 0;
BOOL g_aborted = FALSE;
DWORD g_answerError = 0;

int WINAPI RecordedSHFileOperationA(LPSHFILEOPSTRUCTA op) {
  ++g_op.calls;
  g_op.hwnd = op->hwnd;
  g_op.func = op->wFunc;
  g_op.fromNull = op->pFrom == nullptr;
  g_op.toNull = op->pTo == nullptr;
  if (op->pFrom) g_op.from.assign(op->pFrom, g_fromSize);
  if (op->pTo) g_op.to.assign(op->pTo, g_toSize);
  g_op.flags = op->fFlags;
  g_op.abortedOnEntry = op->fAnyOperationsAborted;
  g_op.mappingsNull = op->hNameMappings == nullptr;
  g_op.titleNull = op->lpszProgressTitle == nullptr;
  if (op->lpszProgressTitle) g_op.title = op->lpszProgressTitle;
  op->fAnyOperationsAborted = g_aborted;
  SetLastError(g_answerError);
  return g_answer;
}

class FileOperationRecordedTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    g_op = RecordedOperation();
    g_answer = 0;
    g_aborted = FALSE;
    g_answerError = 0;
    g_fromSize = g_toSize = 0;
    Hook("shell32.dll", "SHFileOperationA", &RecordedSHFileOperationA);
  }
};

TEST_F(FileOperationRecordedTest, BuffersFlagsAndRecordFields) {
  struct Case {
    const char* operation;
    const char* sources;
    const char* destinations;
    const char* title;
    const char* options;
    UINT func;
    std::string from;  // empty: no list passed
    std::string to;
    FILEOP_FLAGS flags;
  };
  const Case cases[] = {
      {"FO_COPY", "C:\\a.txt|C:\\b.txt", "D:\\Backup", "Copying", "FOF_SILENT|FOF_NOCONFIRMATION", FO_COPY,
       "C:\\a.txt\0C:\\b.txt\0\0"s, "D:\\Backup\0\0"s, 0x0014},
      {"FO_MOVE", "a.txt||b.txt", "x|y", "", "FOF_NO_UI", FO_MOVE, "a.txt\0\0b.txt\0\0"s, "x\0y\0\0"s, 0x0614},
      {"FO_DELETE", " a.txt ", "   ", "", "FOF_SILENTFOF_NOERRORUI", FO_DELETE, " a.txt \0\0"s, "", 0x0404},
      {"FO_RENAME", "", "b", "", "fof_silent", FO_RENAME, "", "b\0\0"s, 0},
      {"FO_COPY", "\t", "", "T", "", FO_COPY, "", "", 0},
  };
  for (const Case& c : cases) {
    g_op = RecordedOperation();
    g_fromSize = c.from.size();
    g_toSize = c.to.size();
    host.ClearEvents();
    EXPECT_TRUE(Exec(kFileOperation, {c.operation, c.sources, c.destinations, c.title, c.options, "R"})) << c.sources;
    ASSERT_EQ(g_op.calls, 1) << c.sources;
    EXPECT_EQ(g_op.func, c.func) << c.sources;
    EXPECT_EQ(g_op.fromNull, c.from.empty()) << c.sources;
    EXPECT_EQ(g_op.from, c.from) << c.sources;
    EXPECT_EQ(g_op.toNull, c.to.empty()) << c.sources;
    EXPECT_EQ(g_op.to, c.to) << c.sources;
    EXPECT_EQ(g_op.flags, c.flags) << c.sources;
    EXPECT_EQ(g_op.abortedOnEntry, FALSE);
    EXPECT_TRUE(g_op.mappingsNull);
    EXPECT_FALSE(g_op.titleNull) << "an empty title is still passed";
    EXPECT_EQ(g_op.title, c.title);
    EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}})) << c.sources;
  }
}

LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

TEST_F(FileOperationRecordedTest, TheActiveWindowOwnsTheShellDialogs) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &PlainWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "QpuFilesOwner";
  RegisterClassA(&wc);
  HWND owner = CreateWindowA("QpuFilesOwner", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                             nullptr, wc.hInstance, nullptr);
  ASSERT_NE(owner, nullptr);
  SetActiveWindow(owner);
  HWND active = GetActiveWindow();
  EXPECT_EQ(active, owner);
  EXPECT_TRUE(Exec(kFileOperation, {"FO_DELETE", "x", "", "", "", "R"}));
  EXPECT_EQ(g_op.hwnd, active);
  DestroyWindow(owner);
}

TEST_F(FileOperationRecordedTest, ShellAnswersBecomeTrueCancelOrFalse) {
  struct Case {
    int answer;
    BOOL aborted;
    DWORD error;
    Writes writes;
  };
  const Case cases[] = {
      {0, FALSE, 0, {{"R", "True"}}},
      {0, TRUE, 0, {{"R", "Cancel"}}},
      // The text comes from the thread's last error, not from the answer.
      {0x7C, TRUE, ERROR_ACCESS_DENIED, {{"LastError", ExpectedSystemText(ERROR_ACCESS_DENIED)}, {"R", "False"}}},
      {2, FALSE, ERROR_SHARING_VIOLATION, {{"LastError", ExpectedSystemText(ERROR_SHARING_VIOLATION)}, {"R", "False"}}},
      // A shell that leaves no last error: its answer describes the failure.
      {ERROR_FILE_NOT_FOUND, FALSE, 0, {{"LastError", ExpectedSystemText(ERROR_FILE_NOT_FOUND)}, {"R", "False"}}},
  };
  for (const Case& c : cases) {
    g_answer = c.answer;
    g_aborted = c.aborted;
    g_answerError = c.error;
    host.ClearEvents();
    EXPECT_TRUE(Exec(kFileOperation, {"FO_COPY", "a", "b", "", "", "R"}));
    EXPECT_EQ(host.Writes(), c.writes) << c.answer << "/" << c.aborted;
  }
}

TEST_F(FileOperationRecordedTest, UnknownOperationWordCallsNoShell) {
  host.variables["R"] = "earlier";
  for (const char* word : {"fo_copy", " FO_COPY", "", "FO_COPY "}) {
    host.ClearEvents();
    EXPECT_TRUE(Exec(kFileOperation, {word, "a", "b", "", "FOF_NO_UI", "R"})) << word;
    EXPECT_EQ(host.Writes(), (Writes{{"LastError", "Invalid \"qpFileOperation\" action arguments"}})) << word;
  }
  EXPECT_EQ(g_op.calls, 0);
  EXPECT_EQ(host.Var("R"), "earlier");
}

}  // namespace
}  // namespace qptest
