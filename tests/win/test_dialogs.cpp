// The six dialog actions with the system dialogs replaced: what the plug-in
// hands to ChooseFontA, ChooseColorA, GetOpenFileNameA, GetSaveFileNameA and
// the newer file dialog object, and what it writes for each answer.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <shobjidl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/win/DialogFakes.h"
#include "tests/win/PluginFixture.h"

namespace qptest {
namespace {

constexpr uint32_t kFont = 32, kColor = 33, kOpenFile = 34, kSaveFile = 35, kOpenImage = 36, kSaveImage = 37;

// What each replaced function does in the running test.
std::function<BOOL(CHOOSEFONTA*)> g_chooseFont;
std::function<BOOL(CHOOSECOLORA*)> g_chooseColor;
std::function<BOOL(OPENFILENAMEA*)> g_openFile;
std::function<BOOL(OPENFILENAMEA*)> g_saveFile;
std::function<HRESULT(REFCLSID, REFIID, void**)> g_coCreate;
DWORD g_version = 0;

BOOL WINAPI FakeChooseFont(LPCHOOSEFONTA cf) { return g_chooseFont(cf); }
BOOL WINAPI FakeChooseColor(LPCHOOSECOLORA cc) { return g_chooseColor(cc); }
BOOL WINAPI FakeGetOpenFileName(LPOPENFILENAMEA ofn) { return g_openFile(ofn); }
BOOL WINAPI FakeGetSaveFileName(LPOPENFILENAMEA ofn) { return g_saveFile(ofn); }
HRESULT WINAPI FakeCoCreateInstance(REFCLSID clsid, LPUNKNOWN, DWORD, REFIID iid, LPVOID* out) {
  return g_coCreate(clsid, iid, out);
}
DWORD WINAPI FakeGetVersion() { return g_version; }

// The window state a replaced dialog sees while it is "open".
struct ModalSeen {
  HWND owner = reinterpret_cast<HWND>(-1);
  bool ownerEnabled = true;
  bool otherEnabled = true;
};

LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

class DialogTest : public PluginTest {
 protected:
  // The host's windows live for the whole suite: destroying a visible
  // window takes Wine a long while without a window manager.
  static void SetUpTestSuite() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &PlainWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QpDialogTestHost";
    RegisterClassA(&wc);
    other_ = CreateWindowA("QpDialogTestHost", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                           nullptr, wc.hInstance, nullptr);
    main_ = CreateWindowA("QpDialogTestHost", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr,
                          nullptr, wc.hInstance, nullptr);
  }
  static void TearDownTestSuite() {
    DestroyWindow(main_);
    DestroyWindow(other_);
    main_ = other_ = nullptr;
  }

  void SetUp() override {
    PluginTest::SetUp();
    EnableWindow(main_, TRUE);
    EnableWindow(other_, TRUE);
    SetForegroundWindow(main_);
    SetActiveWindow(main_);
    g_version = 0x0A280105;  // 5.1: the classic dialogs
    Hook("kernel32.dll", "GetVersion", &FakeGetVersion);
    Hook("comdlg32.dll", "ChooseFontA", &FakeChooseFont);
    Hook("comdlg32.dll", "ChooseColorA", &FakeChooseColor);
    Hook("comdlg32.dll", "GetOpenFileNameA", &FakeGetOpenFileName);
    Hook("comdlg32.dll", "GetSaveFileNameA", &FakeGetSaveFileName);
    Hook("ole32.dll", "CoCreateInstance", &FakeCoCreateInstance);
    auto unexpected = [](const char* what) { ADD_FAILURE() << what << " was not expected"; };
    g_chooseFont = [=](CHOOSEFONTA*) { unexpected("ChooseFontA"); return FALSE; };
    g_chooseColor = [=](CHOOSECOLORA*) { unexpected("ChooseColorA"); return FALSE; };
    g_openFile = [=](OPENFILENAMEA*) { unexpected("GetOpenFileNameA"); return FALSE; };
    g_saveFile = [=](OPENFILENAMEA*) { unexpected("GetSaveFileNameA"); return FALSE; };
    g_coCreate = [=](REFCLSID, REFIID, void**) { unexpected("CoCreateInstance"); return E_FAIL; };
    LiveFakes() = 0;
  }

  ModalSeen SeeModal(HWND owner) const {
    return {owner, IsWindowEnabled(main_) != FALSE, IsWindowEnabled(other_) != FALSE};
  }
  // While a dialog was open both windows were disabled; afterwards they are
  // enabled again and the host window is active again.
  void ExpectModal(const ModalSeen& seen, HWND expectedOwner) {
    EXPECT_EQ(seen.owner, expectedOwner);
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_FALSE(seen.otherEnabled);
    EXPECT_TRUE(IsWindowEnabled(main_));
    EXPECT_TRUE(IsWindowEnabled(other_));
    EXPECT_EQ(GetActiveWindow(), main_);
  }
  Writes OnlyWrites() const {
    Writes w;
    for (const auto& e : host.events)
      if (e.kind == "set") w.emplace_back(e.name, e.value);
    return w;
  }
  std::vector<std::string> Reads() const {
    std::vector<std::string> r;
    for (const auto& e : host.events)
      if (e.kind == "get") r.push_back(e.name);
    return r;
  }

  static HWND main_;
  static HWND other_;
};
HWND DialogTest::main_ = nullptr;
HWND DialogTest::other_ = nullptr;

int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi;
}

// ---- Font dialog -------------------------------------------------------------

TEST_F(DialogTest, FontDialogOpensOnTheFontTextAndWritesFiveVariables) {
  ModalSeen seen;
  CHOOSEFONTA given = {};
  LOGFONTA initial = {};
  g_chooseFont = [&](CHOOSEFONTA* cf) {
    seen = SeeModal(cf->hwndOwner);
    given = *cf;
    initial = *cf->lpLogFont;
    return TRUE;  // confirmed without changes
  };
  host.variables["Font"] = "False";
  EXPECT_TRUE(Exec(kFont, {"Tahoma|12|255,0,0|Bold", "Font"}));
  ExpectModal(seen, main_);
  EXPECT_EQ(given.Flags, 0x149u);
  EXPECT_EQ(given.rgbColors, 255u);
  EXPECT_NE(given.lpfnHook, nullptr);
  EXPECT_STREQ(initial.lfFaceName, "Tahoma");
  EXPECT_EQ(initial.lfHeight, -MulDiv(12, ScreenDpi(), 72));
  EXPECT_EQ(initial.lfWeight, FW_BOLD);
  EXPECT_EQ(initial.lfItalic, 0);
  EXPECT_EQ(initial.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(OnlyWrites(), (Writes{{"Font0", "255,0,0"},
                                  {"Font1", "Tahoma"},
                                  {"Font2", "12"},
                                  {"Font3", "Bold"},
                                  {"Font4", "DEFAULT_CHARSET"}}));
  EXPECT_EQ(host.Var("Font"), "False");  // the result variable itself is left alone
}

// What the "user" does in the font dialog, and what the plug-in reports.
struct FontCase {
  const char* name;
  const char* fontText;
  std::function<void(CHOOSEFONTA*)> user;
  std::vector<std::string> expected;  // variables 0 to 4; "*" matches anything
};

// The dialog's own setup, then the user's selection in a combo box.
void SendHook(CHOOSEFONTA* cf, int control) {
  cf->lpfnHook(nullptr, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(cf));
  cf->lpfnHook(nullptr, WM_COMMAND, MAKEWPARAM(control, CBN_SELCHANGE), 0);
}

TEST_F(DialogTest, FontDialogResultRules) {
  const int dpi = ScreenDpi();
  const std::vector<FontCase> cases = {
      {"empty text, untouched colour: the window-text colour", "", [](CHOOSEFONTA*) {},
       {"8,0,0", "*", "8", "", "DEFAULT_CHARSET"}},
      {"rejected colour piece, untouched", "Arial|10|red", [](CHOOSEFONTA*) {},
       {"255,255,255", "Arial", "10", "", "DEFAULT_CHARSET"}},
      {"colour changed in the dialog",
       "Arial|10|255,0,0",
       [](CHOOSEFONTA* cf) {
         cf->rgbColors = RGB(0, 128, 255);
         SendHook(cf, cmb4);
       },
       {"0,128,255", "Arial", "10", "", "DEFAULT_CHARSET"}},
      {"colour value moved without a colour change stays",
       "Arial|10|255,0,0", [](CHOOSEFONTA* cf) { cf->rgbColors = RGB(1, 2, 3); },
       {"255,0,0", "Arial", "10", "", "DEFAULT_CHARSET"}},
      {"only the size changed: character set kept",
       "Arial|10|0,0,0",
       [dpi](CHOOSEFONTA* cf) {
         cf->lpLogFont->lfHeight = -MulDiv(20, dpi, 72);
         cf->lpLogFont->lfCharSet = ANSI_CHARSET;
       },
       {"0,0,0", "Arial", "20", "", "DEFAULT_CHARSET"}},
      {"same face in other letter case: character set kept",
       "Arial|10|0,0,0",
       [](CHOOSEFONTA* cf) {
         lstrcpyA(cf->lpLogFont->lfFaceName, "ARIAL");
         cf->lpLogFont->lfCharSet = ANSI_CHARSET;
       },
       {"0,0,0", "ARIAL", "10", "", "DEFAULT_CHARSET"}},
      {"another face: its character set",
       "Arial|10|0,0,0",
       [](CHOOSEFONTA* cf) {
         lstrcpyA(cf->lpLogFont->lfFaceName, "Courier New");
         cf->lpLogFont->lfCharSet = ANSI_CHARSET;
       },
       {"0,0,0", "Courier New", "10", "", "ANSI_CHARSET"}},
      {"script changed on the same face",
       "Arial|10|0,0,0",
       [](CHOOSEFONTA* cf) {
         cf->lpLogFont->lfCharSet = RUSSIAN_CHARSET;
         SendHook(cf, cmb5);
       },
       {"0,0,0", "Arial", "10", "", "RUSSIAN_CHARSET"}},
      {"selections the dialog makes while it sets itself up do not count",
       "Arial|10|255,0,0",
       [](CHOOSEFONTA* cf) {
         cf->lpfnHook(nullptr, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE), 0);
         cf->lpfnHook(nullptr, WM_COMMAND, MAKEWPARAM(cmb5, CBN_SELCHANGE), 0);
         cf->lpfnHook(nullptr, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(cf));
         cf->rgbColors = RGB(9, 9, 9);
         cf->lpLogFont->lfCharSet = ANSI_CHARSET;
       },
       {"255,0,0", "Arial", "10", "", "DEFAULT_CHARSET"}},
      {"styles from the weight and the flags",
       "Arial|10|0,0,0|Bold",
       [](CHOOSEFONTA* cf) {
         cf->lpLogFont->lfWeight = 401;
         cf->lpLogFont->lfItalic = 1;
         cf->lpLogFont->lfStrikeOut = 1;
       },
       {"0,0,0", "Arial", "10", "Bold+Italic+Strikeout", "DEFAULT_CHARSET"}},
      {"weight 400 is not bold", "Arial|10|0,0,0|Bold",
       [](CHOOSEFONTA* cf) { cf->lpLogFont->lfWeight = 400; },
       {"0,0,0", "Arial", "10", "", "DEFAULT_CHARSET"}},
  };
  for (const FontCase& c : cases) {
    SCOPED_TRACE(c.name);
    host.ClearEvents();
    g_chooseFont = [&](CHOOSEFONTA* cf) {
      c.user(cf);
      return TRUE;
    };
    EXPECT_TRUE(Exec(kFont, {c.fontText, "F"}));
    const Writes writes = OnlyWrites();
    ASSERT_EQ(writes.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(writes[i].first, "F" + std::to_string(i));
      if (c.expected[i] != "*") EXPECT_EQ(writes[i].second, c.expected[i]) << "variable " << i;
    }
  }
}

TEST_F(DialogTest, FontDialogDefaultFaceComesFromTheSystem) {
  // The face a new font gets: the substitute of "MS Shell Dlg 2", else
  // "MS Sans Serif".
  char expected[LF_FACESIZE] = "MS Sans Serif";
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes", 0,
                    KEY_READ, &key) == ERROR_SUCCESS) {
    char value[LF_FACESIZE] = {};
    DWORD size = sizeof value - 1;
    if (RegQueryValueExA(key, "MS Shell Dlg 2", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
            ERROR_SUCCESS && value[0])
      lstrcpyA(expected, value);
    RegCloseKey(key);
  }
  std::string face;
  g_chooseFont = [&](CHOOSEFONTA* cf) {
    face = cf->lpLogFont->lfFaceName;
    return TRUE;
  };
  EXPECT_TRUE(Exec(kFont, {"|9|0,0,0", "F"}));
  EXPECT_EQ(face, expected);
  EXPECT_EQ(host.Var("F1"), expected);
}

TEST_F(DialogTest, FontDialogCancelWritesFalseOnly) {
  g_chooseFont = [](CHOOSEFONTA*) { return FALSE; };
  EXPECT_TRUE(Exec(kFont, {"Tahoma|12|255,0,0|Bold", "Font"}));
  EXPECT_EQ(OnlyWrites(), (Writes{{"Font", "False"}}));
  host.ClearEvents();
  EXPECT_TRUE(Exec(kFont, {"", "  "}));  // a blank name: nothing written, dialog still shown
  EXPECT_EQ(OnlyWrites(), Writes{});
}

// ---- Colour dialog ---------------------------------------------------------

TEST_F(DialogTest, ColorDialogFlagsAndInitialColour) {
  const struct {
    const char* color;
    const char* options;
    DWORD rgb;
    DWORD flags;
  } cases[] = {
      {"0,128,255", "", RGB(0, 128, 255), 0x11},
      {"255,0", "", 0, 0x11},
      {"-1,0,0", "", 0, 0x11},
      {"", "", 0, 0x11},
      {"  ", "cdFullOpen,cdSolidColor", 0, 0x11 | 0x2 | 0x80},
      {"1,2,3", "cdfullopen", RGB(1, 2, 3), 0x11},
      {"0,0,0", "cdPreventFullOpen cdAnyColor", 0, 0x11 | 0x4 | 0x100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.color) + " / " + c.options);
    ModalSeen seen;
    CHOOSECOLORA given = {};
    g_chooseColor = [&](CHOOSECOLORA* cc) {
      seen = SeeModal(cc->hwndOwner);
      given = *cc;
      return FALSE;
    };
    host.ClearEvents();
    EXPECT_TRUE(Exec(kColor, {c.color, c.options, "", "C"}));
    ExpectModal(seen, main_);
    EXPECT_EQ(given.rgbResult, c.rgb);
    EXPECT_EQ(given.Flags, c.flags);
    EXPECT_NE(given.lpfnHook, nullptr);
    EXPECT_EQ(OnlyWrites(), (Writes{{"C", "False"}}));  // cancel: only "False"
    EXPECT_EQ(Reads(), std::vector<std::string>{});     // no base name: no slot read
  }
}

TEST_F(DialogTest, ColorDialogSlotsInAndOut) {
  host.variables["Cust3"] = "0000FF";
  host.variables["Cust5"] = "255,0,0";  // not a slot text: the slot stays unset
  host.variables["Cust6"] = "ff8000";
  COLORREF slotsIn[16] = {};
  g_chooseColor = [&](CHOOSECOLORA* cc) {
    for (int i = 0; i < 16; ++i) slotsIn[i] = cc->lpCustColors[i];
    cc->rgbResult = RGB(10, 20, 30);
    cc->lpCustColors[0] = RGB(0xAB, 0xCD, 0xEF);
    return TRUE;
  };
  EXPECT_TRUE(Exec(kColor, {"", "", "Cust", "Result"}));

  std::vector<std::string> expectedReads;
  for (int i = 0; i < 16; ++i) expectedReads.push_back("Cust" + std::to_string(i));
  EXPECT_EQ(Reads(), expectedReads);
  for (int i = 0; i < 16; ++i) {
    const COLORREF expected = i == 3 ? 0xFF : i == 6 ? 0xFF8000 : 0xFFFFFFFF;
    EXPECT_EQ(slotsIn[i], expected) << "slot " << i;
  }
  Writes expected = {{"Result", "10,20,30"}};
  for (int i = 0; i < 16; ++i) {
    const char* text = i == 0 ? "EFCDAB" : i == 3 ? "0000FF" : i == 6 ? "FF8000" : "FFFFFFFF";
    expected.emplace_back("Cust" + std::to_string(i), text);
  }
  EXPECT_EQ(OnlyWrites(), expected);
}

TEST_F(DialogTest, ColorDialogCancelWritesNoSlot) {
  host.variables["Cust3"] = "0000FF";
  g_chooseColor = [](CHOOSECOLORA*) { return FALSE; };
  EXPECT_TRUE(Exec(kColor, {"", "", "Cust", "Result"}));
  EXPECT_EQ(OnlyWrites(), (Writes{{"Result", "False"}}));
}

// ---- Classic file dialogs ----------------------------------------------------

struct SeenFileDialog {
  ModalSeen modal;
  DWORD flags = 0, flagsEx = 0, filterIndex = 0, maxFile = 0;
  std::string filter, file, initialDir, title, defExt;
  bool nullFilter = false, nullTitle = false, nullDir = false, nullDefExt = false;
  bool hook = false, templateHandle = false;
};

std::string Zeroes(const char* text) {
  // The text up to the double zero, zeros included.
  if (!text) return std::string();
  size_t n = 0;
  while (text[n] || text[n + 1]) ++n;
  return std::string(text, n + 2);
}

SeenFileDialog Record(const OPENFILENAMEA* ofn, const ModalSeen& modal) {
  SeenFileDialog s;
  s.modal = modal;
  s.flags = ofn->Flags;
  s.flagsEx = ofn->FlagsEx;
  s.filterIndex = ofn->nFilterIndex;
  s.maxFile = ofn->nMaxFile;
  s.nullFilter = ofn->lpstrFilter == nullptr;
  s.filter = Zeroes(ofn->lpstrFilter);
  s.file = ofn->lpstrFile ? ofn->lpstrFile : "";
  s.nullDir = ofn->lpstrInitialDir == nullptr;
  s.initialDir = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : "";
  s.nullTitle = ofn->lpstrTitle == nullptr;
  s.title = ofn->lpstrTitle ? ofn->lpstrTitle : "";
  s.nullDefExt = ofn->lpstrDefExt == nullptr;
  s.defExt = ofn->lpstrDefExt ? ofn->lpstrDefExt : "";
  s.hook = ofn->lpfnHook != nullptr;
  s.templateHandle = (ofn->Flags & OFN_ENABLETEMPLATEHANDLE) && ofn->hInstance != nullptr;
  return s;
}

// Answers a classic dialog with the given name buffer content.
std::function<BOOL(OPENFILENAMEA*)> Answer(SeenFileDialog* seen, std::function<ModalSeen(HWND)> modal,
                                           std::string buffer, BOOL ok = TRUE) {
  return [=](OPENFILENAMEA* ofn) {
    *seen = Record(ofn, modal(ofn->hwndOwner));
    if (ok && buffer.size() <= ofn->nMaxFile) memcpy(ofn->lpstrFile, buffer.data(), buffer.size());
    return ok;
  };
}

TEST_F(DialogTest, ClassicOpenDialogIsGivenEveryProperty) {
  SeenFileDialog seen;
  auto modal = [this](HWND owner) { return SeeModal(owner); };
  g_openFile = Answer(&seen, modal, std::string("C:\\Data\\chosen.txt\0", 19));
  EXPECT_TRUE(Exec(kOpenFile, {"start.txt", "txt", "Text files|*.txt|All files|*.*", "2", "C:\\Data\\", "Pick one",
                               "[ofNoChangeDir, ofNoValidate] ofOverwritePrompt ofEnableSizing", "R"}));
  ExpectModal(seen.modal, main_);
  EXPECT_EQ(seen.flags, DWORD(OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_NOVALIDATE));
  EXPECT_EQ(seen.flagsEx, 0u);
  EXPECT_EQ(seen.filter, std::string("Text files\0*.txt\0All files\0*.*\0\0", 32));
  EXPECT_EQ(seen.filterIndex, 2u);
  EXPECT_EQ(seen.maxFile, 260u);
  EXPECT_EQ(seen.file, "start.txt");
  EXPECT_EQ(seen.initialDir, "C:\\Data");
  EXPECT_EQ(seen.title, "Pick one");
  EXPECT_EQ(seen.defExt, "txt");
  EXPECT_TRUE(seen.hook);
  EXPECT_FALSE(seen.templateHandle);
  EXPECT_EQ(OnlyWrites(), (Writes{{"R", "C:\\Data\\chosen.txt"}}));
}

TEST_F(DialogTest, ClassicDialogsDefaultsAndWordsPerKind) {
  auto modal = [this](HWND owner) { return SeeModal(owner); };
  const DWORD base = OFN_HIDEREADONLY | OFN_ENABLEHOOK | OFN_EXPLORER;
  const struct {
    uint32_t action;
    const char* filterIndex;
    const char* options;
    DWORD flags;
    DWORD flagsEx;
    DWORD filterIndexSeen;
    bool preview;
    bool owned;
  } cases[] = {
      {kOpenFile, "two", "", base, 0, 1, false, true},
      {kOpenFile, "", "ofOldStyleDialog", OFN_HIDEREADONLY | OFN_ENABLEHOOK, 0, 1, false, true},
      {kSaveFile, " 3", "ofOverwritePrompt ofEnableSizing ofExNoPlacesBar ofFileMustExist",
       base | OFN_OVERWRITEPROMPT | OFN_ENABLESIZING, OFN_EX_NOPLACESBAR, 3, false, true},
      {kOpenImage, "1", "ofEnableIncludeNotify ofEnableSizing", base | OFN_ENABLESIZING | OFN_ENABLETEMPLATEHANDLE, 0,
       1, true, true},
      {kOpenImage, "1", "ofOldStyleDialog", OFN_HIDEREADONLY | OFN_ENABLEHOOK, 0, 1, false, true},
      {kSaveImage, "x", "ofAllowMultiSelect", base | OFN_ENABLETEMPLATEHANDLE, 0, 1, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.action) + " " + c.options);
    SeenFileDialog seen;
    auto answer = Answer(&seen, modal, std::string(), FALSE);
    g_openFile = answer;
    g_saveFile = answer;
    host.ClearEvents();
    EXPECT_TRUE(Exec(c.action, {"", "", "", c.filterIndex, "", "", c.options, "R"}));
    ExpectModal(seen.modal, c.owned ? main_ : nullptr);
    EXPECT_EQ(seen.flags, c.flags);
    EXPECT_EQ(seen.flagsEx, c.flagsEx);
    EXPECT_EQ(seen.filterIndex, c.filterIndexSeen);
    EXPECT_EQ(seen.maxFile, 260u);
    EXPECT_TRUE(seen.nullFilter);  // the empty filter: no pairs at all
    EXPECT_TRUE(seen.nullTitle);
    EXPECT_TRUE(seen.nullDir);
    EXPECT_TRUE(seen.nullDefExt);
    EXPECT_EQ(seen.templateHandle, c.preview);
    EXPECT_EQ(OnlyWrites(), (Writes{{"R", "False"}}));
  }
}

TEST_F(DialogTest, ClassicMultiSelectionWritesIndexedPaths) {
  auto modal = [this](HWND owner) { return SeeModal(owner); };
  const struct {
    uint32_t action;
    const char* options;
    std::string buffer;
    DWORD maxFile;
    Writes writes;
  } cases[] = {
      {kOpenFile, "ofFileMustExist ofAllowMultiSelect", std::string("C:\\D\0a.txt\0b.txt\0c.txt\0\0", 25), 65519,
       {{"R0", "C:\\D\\a.txt"}, {"R1", "C:\\D\\b.txt"}, {"R2", "C:\\D\\c.txt"}}},
      {kOpenFile, "ofAllowMultiSelect", std::string("C:\\D\\only.txt\0\0", 15), 65519, {{"R0", "C:\\D\\only.txt"}}},
      {kOpenImage, "ofAllowMultiSelect", std::string("C:\\P\0a.bmp\0b.ico\0\0", 18), 65519,
       {{"R0", "C:\\P\\a.bmp"}, {"R1", "C:\\P\\b.ico"}}},
      {kOpenFile, "ofAllowMultiSelect ofOldStyleDialog", std::string("C:\\OLD A.TXT B.TXT\0", 19), 65519,
       {{"R0", "C:\\OLD\\A.TXT"}, {"R1", "C:\\OLD\\B.TXT"}}},
      {kSaveFile, "ofAllowMultiSelect", std::string("C:\\D\\saved.txt\0", 15), 260, {{"R", "C:\\D\\saved.txt"}}},
      {kSaveImage, "ofAllowMultiSelect", std::string("C:\\D\\saved.bmp\0", 15), 260, {{"R", "C:\\D\\saved.bmp"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.action) + " " + c.options);
    SeenFileDialog seen;
    auto answer = Answer(&seen, modal, c.buffer);
    g_openFile = answer;
    g_saveFile = answer;
    host.ClearEvents();
    host.variables["R"] = "old";
    EXPECT_TRUE(Exec(c.action, {"", "", "", "", "", "", c.options, "R"}));
    EXPECT_EQ(seen.maxFile, c.maxFile);
    EXPECT_EQ(OnlyWrites(), c.writes);
  }
  EXPECT_EQ(host.Var("R"), "C:\\D\\saved.bmp");
}

TEST_F(DialogTest, LongInitialNameIsCutToTheBuffer) {
  SeenFileDialog seen;
  auto modal = [this](HWND owner) { return SeeModal(owner); };
  g_openFile = Answer(&seen, modal, std::string(), FALSE);
  EXPECT_TRUE(Exec(kOpenFile, {std::string(400, 'n'), "", "", "", "", "", "", "R"}));
  EXPECT_EQ(seen.file, std::string(259, 'n'));
}

// ---- Newer file dialogs ------------------------------------------------------

class NewDialogTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    g_version = 0x1DB10106;  // 6.1
    g_coCreate = [this](REFCLSID clsid, REFIID iid, void** out) -> HRESULT {
      created.push_back(clsid == CLSID_FileOpenDialog ? "open" : clsid == CLSID_FileSaveDialog ? "save" : "other");
      IUnknown* fake = NewFakeFileDialog(clsid == CLSID_FileOpenDialog, &script);
      const HRESULT hr = fake->QueryInterface(iid, out);
      fake->Release();
      return hr;
    };
  }
  FakeDialogScript script;
  std::vector<std::string> created;
};

TEST_F(NewDialogTest, OpenDialogIsGivenEveryPropertyAndReleased) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);  // an existing folder, with its trailing backslash
  script.results = {L"C:\\Data\\chosen.txt"};
  ModalSeen seen;
  script.onShow = [&] { seen = SeeModal(script.owner); };
  EXPECT_TRUE(Exec(kOpenFile, {"start.txt", "txt", "Text files|*.txt|All files|*.*", "2", temp, "Pick one",
                               "ofFileMustExist ofExNoPlacesBar ofEnableSizing ofOverwritePrompt", "R"}));
  EXPECT_EQ(created, std::vector<std::string>{"open"});
  ExpectModal(seen, main_);
  EXPECT_EQ(script.title, L"Pick one");
  EXPECT_EQ(script.fileTypes, (std::vector<std::pair<std::wstring, std::wstring>>{{L"Text files", L"*.txt"},
                                                                                    {L"All files", L"*.*"}}));
  EXPECT_EQ(script.fileTypeIndex, 2u);
  EXPECT_EQ(script.fileName, L"start.txt");
  EXPECT_EQ(script.defaultExt, L"txt");
  std::wstring folder(temp, temp + strlen(temp));
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  EXPECT_EQ(script.folder, folder);
  EXPECT_EQ(script.options, DWORD(FOS_FORCEFILESYSTEM | FOS_FILEMUSTEXIST | FOS_HIDEPINNEDPLACES));
  EXPECT_EQ(script.calls.back(), "GetResult");
  EXPECT_EQ(OnlyWrites(), (Writes{{"R", "C:\\Data\\chosen.txt"}}));
  EXPECT_EQ(LiveFakes(), 0) << "the dialog or its result was not released";
}

TEST_F(NewDialogTest, ResultsCancelAndKinds) {
  const HRESULT cancelled = HRESULT_FROM_WIN32(ERROR_CANCELLED);
  const struct {
    uint32_t action;
    const char* options;
    std::vector<std::wstring> results;
    HRESULT show;
    const char* kind;
    bool owned;
    Writes writes;
  } cases[] = {
      {kOpenFile, "ofAllowMultiSelect", {L"C:\\a.txt", L"C:\\b.txt", L"C:\\c.txt"}, S_OK, "open", true,
       {{"R0", "C:\\a.txt"}, {"R1", "C:\\b.txt"}, {"R2", "C:\\c.txt"}}},
      {kOpenFile, "ofAllowMultiSelect", {L"C:\\one.txt"}, S_OK, "open", true, {{"R0", "C:\\one.txt"}}},
      {kOpenImage, "ofAllowMultiSelect", {L"C:\\a.bmp", L"C:\\b.emf"}, S_OK, "open", true,
       {{"R0", "C:\\a.bmp"}, {"R1", "C:\\b.emf"}}},
      {kSaveFile, "ofAllowMultiSelect ofOverwritePrompt", {L"C:\\s.txt"}, S_OK, "save", true, {{"R", "C:\\s.txt"}}},
      {kSaveImage, "", {L"C:\\s.bmp"}, S_OK, "save", false, {{"R", "C:\\s.bmp"}}},
      {kOpenFile, "", {L"C:\\x.txt"}, cancelled, "open", true, {{"R", "False"}}},
      {kSaveImage, "", {}, E_FAIL, "save", false, {{"R", "False"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.action) + " " + c.options);
    script = FakeDialogScript();
    script.results = c.results;
    script.showResult = c.show;
    ModalSeen seen;
    script.onShow = [&] { seen = SeeModal(script.owner); };
    created.clear();
    host.ClearEvents();
    host.variables["R"] = "old";
    EXPECT_TRUE(Exec(c.action, {"", "", "", "", "", "", c.options, "R"}));
    EXPECT_EQ(created, std::vector<std::string>{c.kind});
    ExpectModal(seen, c.owned ? main_ : nullptr);
    // Nothing given, nothing set: the system's own caption, folder and pairs.
    for (const char* call : {"SetTitle", "SetFileTypes", "SetFileTypeIndex", "SetFileName", "SetFolder"})
      EXPECT_EQ(std::count(script.calls.begin(), script.calls.end(), call), 0) << call;
    EXPECT_EQ(OnlyWrites(), c.writes);
    EXPECT_EQ(LiveFakes(), 0);
  }
}

TEST_F(NewDialogTest, WithoutTheDialogObjectTheClassicDialogIsShown) {
  g_coCreate = [](REFCLSID, REFIID, void** out) {
    *out = nullptr;
    return CO_E_NOTINITIALIZED;
  };
  SeenFileDialog seen;
  auto modal = [this](HWND owner) { return SeeModal(owner); };
  g_saveFile = Answer(&seen, modal, std::string("C:\\fallback.txt\0", 16));
  EXPECT_TRUE(Exec(kSaveFile, {"", "", "", "", "", "", "", "R"}));
  EXPECT_EQ(OnlyWrites(), (Writes{{"R", "C:\\fallback.txt"}}));
}

}  // namespace
}  // namespace qptest
