// Window and screen captures through the real DLL under a real display: the
// bitmap files are read back and checked for their headers, size, depth and
// pixel order; failures for bad handles, unwritable paths and handle texts.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/win/PluginFixture.h"
#include "tests/win/TempFolder.h"

namespace qptest {
namespace {

enum : uint32_t { kActiveShot = 49, kHandleShot = 50, kScreenShot = 51 };

const COLORREF kTop = RGB(255, 0, 0);
const COLORREF kBottom = RGB(0, 0, 255);

// Paints the upper half of the client area red and the lower half blue, so a
// capture shows whether the rows were stored bottom row first.
LRESULT CALLBACK TwoColourProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    RECT r;
    GetClientRect(w, &r);
    RECT top = r, bottom = r;
    top.bottom = bottom.top = r.bottom / 2;
    HBRUSH red = CreateSolidBrush(kTop), blue = CreateSolidBrush(kBottom);
    FillRect(dc, &top, red);
    FillRect(dc, &bottom, blue);
    DeleteObject(red);
    DeleteObject(blue);
    EndPaint(w, &ps);
    return 0;
  }
  if (m == WM_ERASEBKGND) return 1;
  return DefWindowProcA(w, m, wp, lp);
}

void PumpMessages() {
  for (int round = 0; round < 5; ++round) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(20);
  }
}

// A window of this test, destroyed at the end.
class TestWindow {
 public:
  TestWindow(DWORD style, int x, int y, int width, int height) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &TwoColourProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "QpuShotWindow";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(WS_EX_TOPMOST, "QpuShotWindow", "Shot", style, x, y, width, height, nullptr, nullptr,
                              wc.hInstance, nullptr);
    if (window_ != nullptr) {
      ShowWindow(window_, SW_SHOWNORMAL);
      UpdateWindow(window_);
      PumpMessages();
    }
  }
  ~TestWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
    PumpMessages();
  }
  HWND Handle() const { return window_; }
  std::string HandleText() const { return std::to_string(reinterpret_cast<uintptr_t>(window_)); }

 private:
  HWND window_ = nullptr;
};

uint32_t U32(const std::string& s, size_t at) {
  return static_cast<uint8_t>(s[at]) | static_cast<uint8_t>(s[at + 1]) << 8 | static_cast<uint8_t>(s[at + 2]) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(s[at + 3])) << 24;
}
uint32_t U16(const std::string& s, size_t at) { return static_cast<uint8_t>(s[at]) | static_cast<uint8_t>(s[at + 1]) << 8; }

struct Bitmap {
  uint32_t width = 0, height = 0, bits = 0, offset = 0, stride = 0;
  std::string bytes;
  // The colour of pixel x of file row `row` (0 = bottom of the picture); for
  // depths of 24 and 32 bits only.
  COLORREF Pixel(uint32_t x, uint32_t row) const {
    size_t at = offset + static_cast<size_t>(row) * stride + x * (bits / 8);
    return RGB(static_cast<uint8_t>(bytes[at + 2]), static_cast<uint8_t>(bytes[at + 1]), static_cast<uint8_t>(bytes[at]));
  }
};

int DisplayDepth() {
  HDC screen = GetDC(nullptr);
  int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return bits;
}

// Reads the file and checks it is a whole, uncompressed bitmap at the
// display's depth; the caller checks the size.
::testing::AssertionResult ReadBitmap(const std::string& path, Bitmap& bmp) {
  if (!ReadFileBytes(path, bmp.bytes)) return ::testing::AssertionFailure() << "no file " << path;
  const std::string& b = bmp.bytes;
  if (b.size() < 54 || b.compare(0, 2, "BM") != 0) return ::testing::AssertionFailure() << "no bitmap header";
  if (U32(b, 2) != b.size()) return ::testing::AssertionFailure() << "file size field " << U32(b, 2) << " vs " << b.size();
  if (U32(b, 14) != 40) return ::testing::AssertionFailure() << "information header size " << U32(b, 14);
  bmp.width = U32(b, 18);
  bmp.height = U32(b, 22);
  bmp.bits = U16(b, 28);
  bmp.offset = U32(b, 10);
  bmp.stride = (bmp.width * bmp.bits + 31) / 32 * 4;
  uint32_t colors = bmp.bits <= 8 ? 1u << bmp.bits : 0;
  if (U16(b, 26) != 1 || U32(b, 30) != BI_RGB) return ::testing::AssertionFailure() << "planes or compression";
  if (static_cast<int>(bmp.bits) != DisplayDepth())
    return ::testing::AssertionFailure() << "depth " << bmp.bits << ", display " << DisplayDepth();
  if (bmp.offset != 54 + 4 * colors) return ::testing::AssertionFailure() << "pixel offset " << bmp.offset;
  if (b.size() != bmp.offset + static_cast<size_t>(bmp.stride) * bmp.height)
    return ::testing::AssertionFailure() << "pixel data of " << b.size() - bmp.offset << " bytes";
  return ::testing::AssertionSuccess();
}

class ShotsTest : public PluginTest {
 protected:
  TempFolder folder;
};

TEST_F(ShotsTest, ScreenShotIsTheWholeDesktopAtTheDisplayDepth) {
  std::string file = folder.Path("screen.bmp");
  EXPECT_TRUE(Exec(kScreenShot, {file, "R"}));
  EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}}));
  Bitmap bmp;
  ASSERT_TRUE(ReadBitmap(file, bmp));
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  EXPECT_EQ(bmp.width, static_cast<uint32_t>(desktop.right - desktop.left));
  EXPECT_EQ(bmp.height, static_cast<uint32_t>(desktop.bottom - desktop.top));
  // QPU_SHOT_COPY names a file that receives a copy, for outside viewers.
  if (const char* copy = std::getenv("QPU_SHOT_COPY")) EXPECT_TRUE(CopyFileA(file.c_str(), copy, FALSE)) << copy;
}

TEST_F(ShotsTest, HandleShotStoresTheRowsBottomFirst) {
  TestWindow window(WS_POPUP, 40, 40, 61, 40);  // an odd width: padded rows
  ASSERT_NE(window.Handle(), nullptr);
  std::string file = folder.Path("popup.bmp");
  EXPECT_TRUE(Exec(kHandleShot, {file, window.HandleText(), "R"}));
  EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}}));
  Bitmap bmp;
  ASSERT_TRUE(ReadBitmap(file, bmp));
  ASSERT_EQ(bmp.width, 61u);
  ASSERT_EQ(bmp.height, 40u);
  if (bmp.bits < 24) GTEST_SKIP() << "pixel colours are checked at 24 and 32 bits only";
  EXPECT_EQ(bmp.Pixel(0, 0), kBottom);
  EXPECT_EQ(bmp.Pixel(60, 0), kBottom);
  EXPECT_EQ(bmp.Pixel(0, 39), kTop);
  EXPECT_EQ(bmp.Pixel(60, 39), kTop);
}

TEST_F(ShotsTest, HexadecimalHandleCapturesTheSameWindowAndReplacesTheFile) {
  TestWindow window(WS_POPUP, 40, 40, 50, 30);
  ASSERT_NE(window.Handle(), nullptr);
  std::string decimal = folder.Path("decimal.bmp"), hex = folder.Path("hex.bmp");
  ASSERT_TRUE(WriteFileBytes(hex, std::string(100000, 'x')));  // a larger file is replaced, not overwritten in part
  char hexText[16];
  snprintf(hexText, sizeof hexText, "$%X", static_cast<unsigned>(reinterpret_cast<uintptr_t>(window.Handle())));
  EXPECT_TRUE(Exec(kHandleShot, {decimal, window.HandleText(), "R"}));
  EXPECT_TRUE(Exec(kHandleShot, {hex, hexText, "R"}));
  EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}, {"R", "True"}}));
  Bitmap a, b;
  ASSERT_TRUE(ReadBitmap(decimal, a));
  ASSERT_TRUE(ReadBitmap(hex, b));
  EXPECT_EQ(a.bytes, b.bytes);
}

TEST_F(ShotsTest, ActiveShotOfAFramedWindowIsItsOuterRectangle) {
  TestWindow window(WS_OVERLAPPEDWINDOW, 30, 30, 240, 160);
  ASSERT_NE(window.Handle(), nullptr);
  SetForegroundWindow(window.Handle());
  PumpMessages();
  ASSERT_EQ(GetForegroundWindow(), window.Handle());
  RECT outer, client;
  GetWindowRect(window.Handle(), &outer);
  GetClientRect(window.Handle(), &client);
  ASSERT_GT(outer.bottom - outer.top, client.bottom) << "the window has a frame and title bar";

  std::string file = folder.Path("active.bmp");
  EXPECT_TRUE(Exec(kActiveShot, {file, "R"}));
  EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}}));
  Bitmap bmp;
  ASSERT_TRUE(ReadBitmap(file, bmp));
  EXPECT_EQ(bmp.width, static_cast<uint32_t>(outer.right - outer.left));
  EXPECT_EQ(bmp.height, static_cast<uint32_t>(outer.bottom - outer.top));
}

TEST_F(ShotsTest, ZeroSizedWindowGivesAnEmptyFileAndSucceeds) {
  TestWindow window(WS_POPUP, 40, 40, 0, 0);
  ASSERT_NE(window.Handle(), nullptr);
  std::string file = folder.Path("empty.bmp");
  ASSERT_TRUE(WriteFileBytes(file, "old content"));
  EXPECT_TRUE(Exec(kHandleShot, {file, window.HandleText(), "R"}));
  EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}}));
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(file, bytes));
  EXPECT_EQ(bytes.size(), 0u);
}

// A file that cannot be written fails the capture with the system's text and
// leaves no file behind; the write order differs between the actions.
TEST_F(ShotsTest, UnwritableFileFailsWithTheSystemText) {
  TestWindow window(WS_POPUP, 40, 40, 20, 20);
  ASSERT_NE(window.Handle(), nullptr);
  std::string missingFolder = folder.Path("missing\\shot.bmp");
  std::string pathText = ExpectedSystemText(ERROR_PATH_NOT_FOUND);

  EXPECT_FALSE(Exec(kHandleShot, {missingFolder, window.HandleText(), "R"}));
  EXPECT_EQ(host.Writes(), (Writes{{"LastError", pathText}, {"R", "False"}}));

  host.ClearEvents();
  EXPECT_TRUE(Exec(kScreenShot, {missingFolder, "R"}));
  EXPECT_EQ(host.Writes(), (Writes{{"R", "False"}, {"LastError", pathText}}));

  // The folder itself is no file to write.
  host.ClearEvents();
  EXPECT_FALSE(Exec(kHandleShot, {folder.Path(), window.HandleText(), "R"}));
  Writes w = host.Writes();
  ASSERT_EQ(w.size(), 2u);
  EXPECT_EQ(w[0].first, "LastError");
  EXPECT_FALSE(w[0].second.empty());
  EXPECT_EQ(w[1], (std::pair<std::string, std::string>{"R", "False"}));

  host.ClearEvents();
  EXPECT_FALSE(Exec(kHandleShot, {"", window.HandleText(), "R"}));
  EXPECT_EQ(host.Writes().size(), 2u);
  EXPECT_FALSE(PathExists(missingFolder));
}

TEST_F(ShotsTest, HandleZeroAndDestroyedWindowsFail) {
  HWND gone;
  {
    TestWindow window(WS_POPUP, 40, 40, 20, 20);
    gone = window.Handle();
  }
  std::string file = folder.Path("none.bmp");
  const std::string invalidWindow = ExpectedSystemText(ERROR_INVALID_WINDOW_HANDLE);
  for (const std::string& handle : {std::string("0"), std::to_string(reinterpret_cast<uintptr_t>(gone))}) {
    host.ClearEvents();
    EXPECT_FALSE(Exec(kHandleShot, {file, handle, "R"})) << handle;
    EXPECT_EQ(host.Writes(), (Writes{{"LastError", invalidWindow}, {"R", "False"}})) << handle;
  }
  EXPECT_FALSE(PathExists(file));
}

TEST_F(ShotsTest, HandleTextThatIsNoIntegerTriesNoCapture) {
  std::string file = folder.Path("none.bmp");
  for (const char* handle : {"", "abc", "12 ", "\t12", "$"}) {
    host.ClearEvents();
    EXPECT_FALSE(Exec(kHandleShot, {file, handle, "R"})) << handle;
    EXPECT_EQ(host.Writes(), (Writes{{"LastError", "Invalid \"qpHandleShot\" action arguments"}, {"R", "False"}}))
        << handle;
  }
  EXPECT_FALSE(PathExists(file));
}

HWND WINAPI NoForegroundWindow() { return nullptr; }

TEST_F(ShotsTest, ActiveShotWithoutAForegroundWindowFailsButReturnsTrue) {
  Hook("user32.dll", "GetForegroundWindow", &NoForegroundWindow);
  std::string file = folder.Path("none.bmp");
  EXPECT_TRUE(Exec(kActiveShot, {file, "R"}));
  EXPECT_EQ(host.Writes(), (Writes{{"R", "False"}, {"LastError", ExpectedSystemText(ERROR_INVALID_WINDOW_HANDLE)}}));
  EXPECT_FALSE(PathExists(file));
}

}  // namespace
}  // namespace qptest
