// The dialog actions with the real system dialogs, shown on the test display
// and driven by a second thread: it waits for the dialog, takes a screenshot
// (build/win/artifacts), fills the name box and presses OK or Cancel. A
// dialog that never appears fails the test; whatever is still open at the end
// of a script is cancelled, so no test waits for a user.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "tests/win/PluginFixture.h"

namespace qptest {
namespace {

constexpr uint32_t kFont = 32, kColor = 33, kOpenFile = 34, kSaveFile = 35, kOpenImage = 36;
constexpr int kPreviewCaptionId = 0x3001;
constexpr int kPreviewButtonId = 0x3003;
constexpr DWORD kWaitMs = 20000;

DWORD g_version = 0;
DWORD WINAPI FakeGetVersion() { return g_version; }

std::string ClassOf(HWND w) {
  char name[64] = {};
  GetClassNameA(w, name, sizeof name);
  return name;
}
std::string TextOf(HWND w) {
  char text[256] = {};
  GetWindowTextA(w, text, sizeof text);
  return text;
}

struct FindDialog {
  HWND exclude;
  HWND found;
};
BOOL CALLBACK FindDialogProc(HWND w, LPARAM lp) {
  auto* f = reinterpret_cast<FindDialog*>(lp);
  if (w != f->exclude && IsWindowVisible(w) && ClassOf(w) == "#32770") {
    f->found = w;
    return FALSE;
  }
  return TRUE;
}

struct FindChild {
  std::function<bool(HWND)> match;
  HWND found;
};
BOOL CALLBACK FindChildProc(HWND w, LPARAM lp) {
  auto* f = reinterpret_cast<FindChild*>(lp);
  if (f->match(w)) {
    f->found = w;
    return FALSE;
  }
  return TRUE;
}
HWND Descendant(HWND parent, std::function<bool(HWND)> match) {
  FindChild f{std::move(match), nullptr};
  EnumChildWindows(parent, &FindChildProc, reinterpret_cast<LPARAM>(&f));
  return f.found;
}
HWND DescendantById(HWND parent, int id) {
  return Descendant(parent, [id](HWND w) { return GetDlgCtrlID(w) == id; });
}

bool SaveShot(HWND window, const std::string& name, bool wholeWindow) {
  // Normally the client area: without a window manager on the test display
  // the title bar of a dialog is not painted where the screen can be copied.
  RECT r;
  if (wholeWindow) {
    if (!GetWindowRect(window, &r)) return false;
  } else {
    if (!GetClientRect(window, &r)) return false;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  }
  // Only what is on the screen can be copied from it.
  const RECT screenRect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&r, &r, &screenRect);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFOHEADER info = {sizeof info, w, h, 1, 24, BI_RGB};
  const DWORD stride = ((w * 3 + 3) / 4) * 4;
  std::vector<char> pixels(stride * h);
  GetDIBits(memory, bitmap, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  CreateDirectoryA(BesideTests("artifacts").c_str(), nullptr);
  FILE* f = std::fopen(BesideTests("artifacts\\" + name + ".bmp").c_str(), "wb");
  if (!f) return false;
  BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof info + pixels.size()), 0, 0,
                           DWORD(sizeof(BITMAPFILEHEADER) + sizeof info)};
  std::fwrite(&file, sizeof file, 1, f);
  std::fwrite(&info, sizeof info, 1, f);
  std::fwrite(pixels.data(), 1, pixels.size(), f);
  std::fclose(f);
  return true;
}

// The second thread and the steps it can take against the test thread's
// dialogs. Problems are collected and reported on the test thread.
class Driver {
 public:
  Driver(std::function<void(Driver&)> script) : script_(std::move(script)), testThread_(GetCurrentThreadId()) {
    thread_ = CreateThread(nullptr, 0, &Driver::Run, this, 0, nullptr);
  }
  // Waits for the script to finish; returns its problems.
  std::vector<std::string> Finish() {
    if (WaitForSingleObject(thread_, 60000) != WAIT_OBJECT_0) problems_.push_back("the driver did not finish");
    CloseHandle(thread_);
    return problems_;
  }

  HWND WaitForDialog(HWND exclude = nullptr) {
    for (DWORD waited = 0; waited < kWaitMs; waited += 100) {
      FindDialog f{exclude, nullptr};
      EnumThreadWindows(testThread_, &FindDialogProc, reinterpret_cast<LPARAM>(&f));
      if (f.found) {
        Sleep(700);  // let it lay out and paint
        return f.found;
      }
      Sleep(100);
    }
    Problem("no dialog appeared");
    return nullptr;
  }
  bool WaitUntil(const std::function<bool()>& done, const char* what) {
    for (DWORD waited = 0; waited < kWaitMs; waited += 100) {
      if (done()) return true;
      Sleep(100);
    }
    Problem(std::string("timed out waiting: ") + what);
    return false;
  }
  void Shot(HWND window, const std::string& name, bool wholeWindow = false) {
    if (!SaveShot(window, name, wholeWindow)) Problem("no screenshot " + name);
  }
  // The file-name box of a classic, old-style or newer file dialog.
  void FillName(HWND dialog, const std::string& text) {
    HWND box = GetDlgItem(dialog, cmb13);
    if (!box) box = GetDlgItem(dialog, edt1);
    if (!box) box = Descendant(dialog, [](HWND w) { return IsWindowVisible(w) && ClassOf(w) == "Edit"; });
    if (!box) return Problem("no file-name box");
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  }
  void Problem(const std::string& text) { problems_.push_back(text); }
  bool AnyDialog() const {
    FindDialog f{nullptr, nullptr};
    EnumThreadWindows(testThread_, &FindDialogProc, reinterpret_cast<LPARAM>(&f));
    return f.found != nullptr;
  }
  DWORD TestThread() const { return testThread_; }

 private:
  static DWORD WINAPI Run(void* self) {
    auto* d = static_cast<Driver*>(self);
    d->script_(*d);
    // A dialog the script confirmed needs a moment to close.
    for (int i = 0; i < 50 && d->AnyDialog(); ++i) Sleep(100);
    // Cancel whatever is still open so the action returns.
    for (int i = 0; i < 20; ++i) {
      FindDialog f{nullptr, nullptr};
      EnumThreadWindows(d->testThread_, &FindDialogProc, reinterpret_cast<LPARAM>(&f));
      if (!f.found) break;
      if (i == 0) d->Problem("a dialog was still open at the end: " + TextOf(f.found));
      d->Press(f.found, IDCANCEL);
      Sleep(500);
    }
    return 0;
  }
  std::function<void(Driver&)> script_;
  DWORD testThread_;
  HANDLE thread_ = nullptr;
  std::vector<std::string> problems_;
};

// A 24-bit bitmap of width x height: a colour gradient with a dark frame.
void WriteBitmap(const std::string& path, int w, int h) {
  const DWORD stride = ((w * 3 + 3) / 4) * 4;
  std::vector<unsigned char> pixels(stride * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      unsigned char* p = &pixels[y * stride + x * 3];
      const bool frame = x < 8 || y < 8 || x >= w - 8 || y >= h - 8;
      p[0] = frame ? 40 : static_cast<unsigned char>(255 * y / h);
      p[1] = frame ? 40 : static_cast<unsigned char>(128 + 127 * x / w);
      p[2] = frame ? 40 : static_cast<unsigned char>(255 - 255 * x / w);
    }
  BITMAPINFOHEADER info = {sizeof info, w, h, 1, 24, BI_RGB};
  BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof info + pixels.size()), 0, 0,
                           DWORD(sizeof file + sizeof info)};
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(&file, sizeof file, 1, f);
  std::fwrite(&info, sizeof info, 1, f);
  std::fwrite(pixels.data(), 1, pixels.size(), f);
  std::fclose(f);
}

// A 32 x 32 icon of 32-bit colour.
void WriteIcon(const std::string& path) {
  const int size = 32;
  std::vector<unsigned char> file;
  auto put16 = [&](unsigned v) { file.push_back(v & 0xFF); file.push_back((v >> 8) & 0xFF); };
  auto put32 = [&](unsigned v) { put16(v & 0xFFFF); put16(v >> 16); };
  const unsigned imageBytes = 40 + size * size * 4 + size * 4;
  put16(0); put16(1); put16(1);                                   // icon directory, one image
  file.push_back(size); file.push_back(size); file.push_back(0); file.push_back(0);
  put16(1); put16(32); put32(imageBytes); put32(22);              // the entry
  put32(40); put32(size); put32(size * 2); put16(1); put16(32);   // its bitmap header
  for (int i = 0; i < 6; ++i) put32(0);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) put32(0xFF000000u | (x * 8) << 16 | (y * 8) << 8 | 0x80);
  for (int i = 0; i < size * 4; ++i) file.push_back(0);           // AND mask: all opaque
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(file.data(), 1, file.size(), f);
  std::fclose(f);
}

// An enhanced metafile two inches wide and one high, and the same drawing as
// a placeable metafile of 2880 x 1440 units at 1440 units per inch.
void WriteMetafiles(const std::string& emfPath, const std::string& wmfPath) {
  const RECT frame = {0, 0, 5080, 2540};
  HDC dc = CreateEnhMetaFileA(nullptr, emfPath.c_str(), &frame, nullptr);
  Ellipse(dc, 0, 0, 190, 95);
  Rectangle(dc, 40, 20, 150, 75);
  HENHMETAFILE emf = CloseEnhMetaFile(dc);
  HDC screen = GetDC(nullptr);
  const UINT size = GetWinMetaFileBits(emf, 0, nullptr, MM_ANISOTROPIC, screen);
  std::vector<BYTE> bits(size);
  GetWinMetaFileBits(emf, size, bits.data(), MM_ANISOTROPIC, screen);
  ReleaseDC(nullptr, screen);
  DeleteEnhMetaFile(emf);
  WORD header[11] = {0xCDD7, 0x9AC6, 0, 0, 0, 2880, 1440, 1440, 0, 0, 0};
  for (int i = 0; i < 10; ++i) header[10] ^= header[i];
  FILE* f = std::fopen(wmfPath.c_str(), "wb");
  std::fwrite(header, sizeof header, 1, f);
  std::fwrite(bits.data(), 1, bits.size(), f);
  std::fclose(f);
}

const char* const kPictureFiles[] = {"picture.bmp", "icon.ico", "vector.emf", "placeable.wmf", "broken.bmp",
                                     "notes.txt"};

class RealDialogTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    char name[MAX_PATH];
    GetTempFileNameA(temp, "qpd", 0, name);
    DeleteFileA(name);
    folder_ = name;
    CreateDirectoryA(folder_.c_str(), nullptr);
    WriteBitmap(folder_ + "\\picture.bmp", 640, 480);
    WriteIcon(folder_ + "\\icon.ico");
    WriteMetafiles(folder_ + "\\vector.emf", folder_ + "\\placeable.wmf");
    for (const char* name : {"notes.txt", "broken.bmp"}) {
      FILE* f = std::fopen((folder_ + "\\" + name).c_str(), "wb");
      std::fputs("not a picture\r\n", f);
      std::fclose(f);
    }
  }
  void TearDown() override {
    for (const char* name : kPictureFiles) DeleteFileA((folder_ + "\\" + name).c_str());
    RemoveDirectoryA(folder_.c_str());
    PluginTest::TearDown();
  }
  void ClassicDialogs() {
    g_version = 0x0A280105;
    Hook("kernel32.dll", "GetVersion", &FakeGetVersion);
  }
  void Run(uint32_t action, const std::vector<std::string>& args, std::function<void(Driver&)> script) {
    Driver driver(std::move(script));
    EXPECT_TRUE(Exec(action, args));
    for (const std::string& problem : driver.Finish()) ADD_FAILURE() << problem;
  }
  std::string folder_;
};

int CALLBACK TakeFace(const LOGFONTA* lf, const TEXTMETRICA*, DWORD type, LPARAM lp) {
  auto* faces = reinterpret_cast<std::vector<std::string>*>(lp);
  if ((type & TRUETYPE_FONTTYPE) && lf->lfFaceName[0] != '@') faces->push_back(lf->lfFaceName);
  return 1;
}

// A TrueType face the test display has, preferring a plain sans face.
std::string InstalledFace() {
  std::vector<std::string> faces;
  HDC dc = GetDC(nullptr);
  LOGFONTA lf = {};
  lf.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExA(dc, &lf, &TakeFace, reinterpret_cast<LPARAM>(&faces), 0);
  ReleaseDC(nullptr, dc);
  for (const char* preferred : {"Tahoma", "DejaVu Sans", "Arial"})
    for (const std::string& face : faces)
      if (face == preferred) return face;
  return faces.empty() ? std::string("Tahoma") : faces.front();
}

TEST_F(RealDialogTest, FontDialogOpensAndReturnsTheFont) {
  const std::string face = InstalledFace();
  Run(kFont, {face + "|12|255,0,0|Bold", "F"}, [](Driver& d) {
    if (HWND dialog = d.WaitForDialog()) {
      d.Shot(dialog, "font-dialog");
      d.Press(dialog, IDOK);
    }
  });
  EXPECT_EQ(host.Var("F0"), "255,0,0");
  EXPECT_EQ(host.Var("F1"), face);
  EXPECT_EQ(host.Var("F2"), "12");
  EXPECT_EQ(host.Var("F3"), "Bold");
  EXPECT_EQ(host.Var("F4"), "DEFAULT_CHARSET");  // same face, script untouched
  EXPECT_FALSE(host.HasVar("F"));

  // The user picks blue in the colour box: the chosen colour is reported.
  Run(kFont, {face + "|12|255,0,0|Bold", "G"}, [](Driver& d) {
    HWND dialog = d.WaitForDialog();
    if (!dialog) return;
    HWND colors = GetDlgItem(dialog, cmb4);
    const int count = static_cast<int>(SendMessageA(colors, CB_GETCOUNT, 0, 0));
    int blue = -1;
    for (int i = 0; i < count && blue < 0; ++i)
      if (static_cast<COLORREF>(SendMessageA(colors, CB_GETITEMDATA, i, 0)) == RGB(0, 0, 255)) blue = i;
    if (blue < 0) return d.Problem("no blue in the colour box");
    SendMessageA(colors, CB_SETCURSEL, blue, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE), reinterpret_cast<LPARAM>(colors));
    d.Press(dialog, IDOK);
  });
  EXPECT_EQ(host.Var("G0"), "0,0,255");
}

TEST_F(RealDialogTest, ColorDialogOpensOnTheColourAndCancels) {
  host.variables["Cust0"] = "0080FF";
  Run(kColor, {"0,128,255", "cdFullOpen", "Cust", "C"}, [](Driver& d) {
    if (HWND dialog = d.WaitForDialog()) {
      d.Shot(dialog, "color-dialog");
      d.Press(dialog, IDOK);
    }
  });
  EXPECT_EQ(host.Var("C"), "0,128,255");
  EXPECT_EQ(host.Var("Cust0"), "0080FF");
  EXPECT_EQ(host.Var("Cust15"), "FFFFFFFF");

  host.ClearEvents();
  Run(kColor, {"", "", "", "C"}, [](Driver& d) {
    if (HWND dialog = d.WaitForDialog()) d.Press(dialog, IDCANCEL);
  });
  EXPECT_EQ(host.Var("C"), "False");
}

TEST_F(RealDialogTest, NewerOpenAndSaveDialogs) {
  Run(kOpenFile, {"", "", "Text files|*.txt|All files|*.*", "1", folder_, "qpUtil open", "", "R"},
      [](Driver& d) {
        if (HWND dialog = d.WaitForDialog()) {
          d.Shot(dialog, "open-dialog-newer");
          d.FillName(dialog, "notes.txt");
          d.Press(dialog, IDOK);
        }
      });
  EXPECT_EQ(host.Var("R"), folder_ + "\\notes.txt");

  Run(kSaveFile, {"", "", "", "", folder_, "qpUtil save", "", "S"}, [](Driver& d) {
    if (HWND dialog = d.WaitForDialog()) d.Press(dialog, IDCANCEL);
  });
  EXPECT_EQ(host.Var("S"), "False");
}

TEST_F(RealDialogTest, ClassicOpenAndSaveDialogs) {
  ClassicDialogs();
  Run(kOpenFile, {"", "", "Text files|*.txt|All files|*.*", "2", folder_, "qpUtil open", "ofFileMustExist", "R"},
      [](Driver& d) {
        if (HWND dialog = d.WaitForDialog()) {
          d.Shot(dialog, "open-dialog-classic");
          d.FillName(dialog, "notes.txt");
          d.Press(dialog, IDOK);
        }
      });
  EXPECT_EQ(host.Var("R"), folder_ + "\\notes.txt");

  Run(kSaveFile, {"new", "txt", "Text files|*.txt", "1", folder_, "qpUtil save", "ofOverwritePrompt", "S"},
      [](Driver& d) {
        if (HWND dialog = d.WaitForDialog()) {
          d.Shot(dialog, "save-dialog-classic");
          d.Press(dialog, IDOK);
        }
      });
  EXPECT_EQ(host.Var("S"), folder_ + "\\new.txt");
}

// Selects the file of that name in the dialog's file list.
bool SelectInList(HWND dialog, const char* name) {
  HWND list = Descendant(dialog, [](HWND w) { return ClassOf(w) == "SysListView32"; });
  if (!list) return false;
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[MAX_PATH] = {};
    LVITEMA item = {};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
    if (lstrcmpiA(text, name) != 0 && _strnicmp(text, name, strlen(name) - 4) != 0) continue;
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
    return true;
  }
  return false;
}

TEST_F(RealDialogTest, ClassicImageDialogPreviewsTheSelectedPicture) {
  ClassicDialogs();
  Run(kOpenImage, {"", "", "Pictures|*.bmp;*.ico;*.emf;*.wmf|All files|*.*", "2", folder_, "qpUtil picture", "", "R"},
      [](Driver& d) {
        HWND dialog = d.WaitForDialog();
        if (!dialog) return;
        HWND caption = nullptr;
        if (!d.WaitUntil([&] { return (caption = DescendantById(dialog, kPreviewCaptionId)) != nullptr; },
                         "the preview panel"))
          return;
        HWND button = DescendantById(dialog, kPreviewButtonId);
        if (TextOf(caption) != "Picture:") d.Problem("caption before a selection: " + TextOf(caption));
        // Each kind of picture, and files that are none.
        const struct {
          const char* name;
          const char* caption;
        } files[] = {{"icon.ico", " (32x32)"},   {"notes.txt", "Picture:"},       {"vector.emf", "*"},
                     {"broken.bmp", "Picture:"}, {"placeable.wmf", " (192x96)"}};
        for (const auto& file : files) {
          if (!SelectInList(dialog, file.name)) d.Problem(std::string(file.name) + " not in the list");
          const bool picture = std::string(file.caption) != "Picture:";
          d.WaitUntil(
              [&] {
                const std::string text = TextOf(caption);
                int w = 0, h = 0;
                if (std::string(file.caption) == "*")
                  return std::sscanf(text.c_str(), " (%dx%d)", &w, &h) == 2 && w > 0 && h > 0;
                return text == file.caption;
              },
              file.name);
          if ((IsWindowEnabled(button) != FALSE) != picture) d.Problem(std::string("preview button for ") + file.name);
          if (std::string(file.name) == "vector.emf") {
            Sleep(700);  // let the picture area repaint
            d.Shot(dialog, "open-image-dialog-metafile");
          }
        }
        if (!SelectInList(dialog, "picture.bmp")) d.Problem("picture.bmp not in the list");
        d.WaitUntil([&] { return TextOf(caption) == " (640x480)"; }, "the caption \" (640x480)\"");
        if (!IsWindowEnabled(button)) d.Problem("preview button disabled for a bitmap");
        Sleep(500);
        d.Shot(dialog, "open-image-dialog-preview");
        PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(kPreviewButtonId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        if (HWND preview = d.WaitForDialog(dialog)) {
          if (TextOf(preview) != "Preview") d.Problem("preview window caption: " + TextOf(preview));
          if (IsWindowEnabled(dialog)) d.Problem("the dialog takes input while the preview is open");
          d.Shot(preview, "image-preview-window", true);
          PostMessageA(preview, WM_KEYDOWN, VK_ESCAPE, 0);
          PostMessageA(preview, WM_KEYUP, VK_ESCAPE, 0);
          d.WaitUntil([&] { return !IsWindow(preview) || !IsWindowVisible(preview); }, "Escape closes the preview");
        }
        d.FillName(dialog, "picture.bmp");
        d.Press(dialog, IDOK);
      });
  EXPECT_EQ(host.Var("R"), folder_ + "\\picture.bmp");
}

}  // namespace
}  // namespace qptest
