#include "actions/dialogs/UPicturePreview.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "actions/dialogs/UDialogRules.h"
#include "core/UUtilities.h"

namespace qp {

// ---- Picture -------------------------------------------------------------

namespace {

std::string LowerExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("\\/:");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string();
  std::string ext = path.substr(dot);
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return ext;
}

uint16_t Word(const std::string& data, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(data[at]) | (static_cast<unsigned char>(data[at + 1]) << 8));
}
uint32_t DoubleWord(const std::string& data, size_t at) { return Word(data, at) | (uint32_t{Word(data, at + 2)} << 16); }

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr size_t kPlaceableHeaderSize = 22;

}  // namespace

void Picture::Clear() {
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (icon_ != nullptr) DestroyIcon(icon_);
  if (metafile_ != nullptr) DeleteEnhMetaFile(metafile_);
  bitmap_ = nullptr;
  icon_ = nullptr;
  metafile_ = nullptr;
  kind_ = Kind::None;
  width_ = height_ = 0;
}

bool Picture::Load(const std::string& path) {
  Clear();
  if (!FileExists(path)) return false;
  const std::string ext = LowerExtension(path);
  if (ext == ".bmp" || ext == ".dib") {
    bitmap_ = static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP info = {};
    if (bitmap_ == nullptr || GetObjectA(bitmap_, sizeof info, &info) == 0) {
      Clear();
      return false;
    }
    width_ = info.bmWidth;
    height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    kind_ = Kind::Bitmap;
  } else if (ext == ".ico") {
    std::string data;
    uint32_t error = 0;
    // An icon directory: reserved 0, type 1, count, then 16-byte entries.
    if (!ReadWholeFile(path, data, error) || data.size() < 22 || Word(data, 0) != 0 || Word(data, 2) != 1 ||
        Word(data, 4) == 0)
      return false;
    const int w = static_cast<unsigned char>(data[6]) == 0 ? 256 : static_cast<unsigned char>(data[6]);
    const int h = static_cast<unsigned char>(data[7]) == 0 ? 256 : static_cast<unsigned char>(data[7]);
    icon_ = static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, w, h, LR_LOADFROMFILE));
    if (icon_ == nullptr) return false;
    width_ = w;
    height_ = h;
    kind_ = Kind::Icon;
  } else if (ext == ".emf") {
    metafile_ = GetEnhMetaFileA(path.c_str());
    ENHMETAHEADER header = {};
    if (metafile_ == nullptr || GetEnhMetaFileHeader(metafile_, sizeof header, &header) == 0) {
      Clear();
      return false;
    }
    // The frame is in hundredths of a millimetre of the reference device.
    const LONG frameW = header.rclFrame.right - header.rclFrame.left;
    const LONG frameH = header.rclFrame.bottom - header.rclFrame.top;
    if (header.szlMillimeters.cx > 0 && header.szlMillimeters.cy > 0) {
      width_ = MulDiv(frameW, header.szlDevice.cx, header.szlMillimeters.cx * 100);
      height_ = MulDiv(frameH, header.szlDevice.cy, header.szlMillimeters.cy * 100);
    } else {
      width_ = header.rclBounds.right - header.rclBounds.left + 1;
      height_ = header.rclBounds.bottom - header.rclBounds.top + 1;
    }
    kind_ = Kind::Metafile;
  } else if (ext == ".wmf") {
    // A placeable metafile: the header gives the bounding box and its units
    // per inch; the picture is played through an enhanced metafile.
    std::string data;
    uint32_t error = 0;
    if (!ReadWholeFile(path, data, error) || data.size() <= kPlaceableHeaderSize ||
        DoubleWord(data, 0) != kPlaceableKey)
      return false;
    const int left = static_cast<int16_t>(Word(data, 6));
    const int top = static_cast<int16_t>(Word(data, 8));
    const int right = static_cast<int16_t>(Word(data, 10));
    const int bottom = static_cast<int16_t>(Word(data, 12));
    const int inch = Word(data, 14);
    if (inch == 0 || right == left || bottom == top) return false;
    const int unitsW = std::abs(right - left);
    const int unitsH = std::abs(bottom - top);
    METAFILEPICT pict = {MM_ANISOTROPIC, MulDiv(unitsW, 2540, inch), MulDiv(unitsH, 2540, inch), nullptr};
    metafile_ = SetWinMetaFileBits(static_cast<UINT>(data.size() - kPlaceableHeaderSize),
                                   reinterpret_cast<const BYTE*>(data.data() + kPlaceableHeaderSize), nullptr, &pict);
    if (metafile_ == nullptr) return false;
    width_ = MulDiv(unitsW, 96, inch);
    height_ = MulDiv(unitsH, 96, inch);
    kind_ = Kind::Metafile;
  } else {
    return false;
  }
  if (width_ <= 0 || height_ <= 0) {
    Clear();
    return false;
  }
  return true;
}

bool Picture::Draw(HDC dc, const RECT& area) const {
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  if (w <= 0 || h <= 0) return false;
  switch (kind_) {
    case Kind::Bitmap: {
      HDC memory = CreateCompatibleDC(dc);
      if (memory == nullptr) return false;
      HGDIOBJ old = SelectObject(memory, bitmap_);
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      const BOOL done = StretchBlt(dc, area.left, area.top, w, h, memory, 0, 0, width_, height_, SRCCOPY);
      SelectObject(memory, old);
      DeleteDC(memory);
      return done != FALSE;
    }
    case Kind::Icon:
      return DrawIconEx(dc, area.left, area.top, icon_, w, h, 0, nullptr, DI_NORMAL) != FALSE;
    case Kind::Metafile:
      return PlayEnhMetaFile(dc, metafile_, &area) != FALSE;
    case Kind::None:
      break;
  }
  return false;
}

RECT FitPicture(int width, int height, const RECT& area, bool grow) {
  const long long aw = area.right - area.left;
  const long long ah = area.bottom - area.top;
  long long w = width;
  long long h = height;
  if (w <= 0 || h <= 0 || aw <= 0 || ah <= 0) return area;
  if (grow || w > aw || h > ah) {
    if (w * ah > h * aw) {
      h = std::max(1LL, h * aw / w);
      w = aw;
    } else {
      w = std::max(1LL, w * ah / h);
      h = ah;
    }
  }
  RECT fit;
  fit.left = area.left + static_cast<LONG>((aw - w) / 2);
  fit.top = area.top + static_cast<LONG>((ah - h) / 2);
  fit.right = fit.left + static_cast<LONG>(w);
  fit.bottom = fit.top + static_cast<LONG>(h);
  return fit;
}

// ---- In-memory dialog templates ------------------------------------------

namespace {

// Writes a dialog template of words: the header, then each item aligned on
// a double word, as DialogBoxIndirect and the file dialogs expect them.
class TemplateWriter {
 public:
  void Header(DWORD style, DWORD exStyle, WORD items, short x, short y, short cx, short cy, const wchar_t* title) {
    DoubleWord(style);
    DoubleWord(exStyle);
    Add(items);
    Add(static_cast<WORD>(x));
    Add(static_cast<WORD>(y));
    Add(static_cast<WORD>(cx));
    Add(static_cast<WORD>(cy));
    Add(0);  // no menu
    Add(0);  // default class
    Text(title);
    if (style & DS_SETFONT) {
      Add(8);
      Text(L"MS Shell Dlg");
    }
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const wchar_t* text) {
    while (words_.size() % 2 != 0) Add(0);
    DoubleWord(style | WS_CHILD | WS_VISIBLE);
    DoubleWord(0);
    Add(static_cast<WORD>(x));
    Add(static_cast<WORD>(y));
    Add(static_cast<WORD>(cx));
    Add(static_cast<WORD>(cy));
    Add(id);
    Add(0xFFFF);
    Add(atom);
    Text(text);
    Add(0);  // no creation data
  }
  std::vector<WORD>& Words() { return words_; }

 private:
  void Add(WORD w) { words_.push_back(w); }
  void DoubleWord(DWORD d) {
    Add(LOWORD(d));
    Add(HIWORD(d));
  }
  void Text(const wchar_t* text) {
    for (; *text; ++text) Add(static_cast<WORD>(*text));
    Add(0);
  }
  std::vector<WORD> words_;
};

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kStaticAtom = 0x0082;

// Storage aligned on a double word, filled once.
struct TemplateStore {
  std::vector<DWORD> storage;
  const DLGTEMPLATE* Fill(std::vector<WORD>& words) {
    if (words.size() % 2) words.push_back(0);
    storage.assign(words.size() / 2, 0);
    std::memcpy(storage.data(), words.data(), words.size() * sizeof(WORD));
    return reinterpret_cast<const DLGTEMPLATE*>(storage.data());
  }
};

const DLGTEMPLATE* PreviewPanelTemplate() {
  static TemplateStore store;
  if (store.storage.empty()) {
    TemplateWriter t;
    t.Header(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK | DS_CONTROL | DS_SETFONT, 0, 4, 0, 0, 150, 150,
             L"");
    // stc32 holds the dialog's own controls; the panel sits to its right.
    t.Item(SS_LEFT, 0, 0, 4, 150, stc32, kStaticAtom, L"");
    t.Item(SS_LEFT | SS_NOPREFIX, 8, 6, 132, 10, kPreviewCaptionId, kStaticAtom, L"Picture:");
    t.Item(SS_OWNERDRAW | SS_SUNKEN, 8, 18, 132, 112, kPreviewPictureId, kStaticAtom, L"");
    t.Item(BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, 90, 132, 50, 14, kPreviewButtonId, kButtonAtom, L"Preview");
    store.Fill(t.Words());
  }
  return reinterpret_cast<const DLGTEMPLATE*>(store.storage.data());
}

const DLGTEMPLATE* PreviewWindowTemplate() {
  static TemplateStore store;
  if (store.storage.empty()) {
    TemplateWriter t;
    t.Header(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT, WS_EX_TOOLWINDOW, 0, 0, 0, 200, 150,
             L"Preview");
    store.Fill(t.Words());
  }
  return reinterpret_cast<const DLGTEMPLATE*>(store.storage.data());
}

// ---- The preview window ----------------------------------------------------

constexpr int kPreviewMargin = 8;

void PaintPicture(HDC dc, const RECT& client, const Picture& picture, bool grow, bool* failed) {
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  const char* text = nullptr;
  if (picture.Empty()) {
    text = "(None)";
  } else {
    const RECT fit = FitPicture(picture.Width(), picture.Height(), client, grow);
    const bool drawn = picture.Draw(dc, fit);
    if (failed) *failed = !drawn;
    if (!drawn) text = "Invalid image";
  }
  if (text != nullptr) {
    RECT r = client;
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(dc, oldFont);
}

INT_PTR CALLBACK PreviewWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(window, DWLP_USER, lParam);
      const Picture* picture = reinterpret_cast<const Picture*>(lParam);
      // Picture plus margin, at most three quarters of the monitor, centred.
      MONITORINFO monitor = {};
      monitor.cbSize = sizeof monitor;
      GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
      const RECT& screen = monitor.rcMonitor;
      const int maxW = (screen.right - screen.left) * 3 / 4;
      const int maxH = (screen.bottom - screen.top) * 3 / 4;
      RECT frame = {0, 0, picture->Width() + 2 * kPreviewMargin, picture->Height() + 2 * kPreviewMargin};
      AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
      const int w = std::min<int>(frame.right - frame.left, maxW);
      const int h = std::min<int>(frame.bottom - frame.top, maxH);
      SetWindowPos(window, nullptr, screen.left + (screen.right - screen.left - w) / 2,
                   screen.top + (screen.bottom - screen.top - h) / 2, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
      return TRUE;
    }
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      const Picture* picture = reinterpret_cast<const Picture*>(GetWindowLongPtrA(window, DWLP_USER));
      RECT client;
      GetClientRect(window, &client);
      if (picture != nullptr) {
        RECT inner = client;
        InflateRect(&inner, -kPreviewMargin, -kPreviewMargin);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        PaintPicture(dc, inner, *picture, true, nullptr);
      }
      EndPaint(window, &ps);
      return TRUE;
    }
    case WM_SIZE:
      InvalidateRect(window, nullptr, TRUE);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) EndDialog(window, LOWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      EndDialog(window, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

// ---- The panel -----------------------------------------------------------

void ShowSelection(HWND panel, PreviewState& state) {
  char caption[64] = "Picture:";
  if (!state.picture.Empty())
    wsprintfA(caption, " (%dx%d)", state.picture.Width(), state.picture.Height());
  SetDlgItemTextA(panel, kPreviewCaptionId, caption);
  EnableWindow(GetDlgItem(panel, kPreviewButtonId), !state.picture.Empty());
  InvalidateRect(GetDlgItem(panel, kPreviewPictureId), nullptr, TRUE);
}

void FollowSelection(HWND panel, PreviewState& state) {
  char path[MAX_PATH * 2] = {};
  const LRESULT n = SendMessageA(GetParent(panel), CDM_GETFILEPATH, sizeof path, reinterpret_cast<LPARAM>(path));
  const std::string name = n > 0 ? BufferText(path, sizeof path) : std::string();
  if (name == state.shownName) return;
  state.shownName = name;
  state.drawFailed = false;
  if (name.empty() || !state.picture.Load(name)) state.picture.Clear();
  ShowSelection(panel, state);
}

}  // namespace

HINSTANCE PreviewTemplate() {
  return reinterpret_cast<HINSTANCE>(const_cast<DLGTEMPLATE*>(PreviewPanelTemplate()));
}

UINT_PTR CALLBACK PreviewHookProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  PreviewState* state = reinterpret_cast<PreviewState*>(GetWindowLongPtrA(panel, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      const OPENFILENAMEA* ofn = reinterpret_cast<const OPENFILENAMEA*>(lParam);
      state = ofn ? reinterpret_cast<PreviewState*>(ofn->lCustData) : nullptr;
      SetWindowLongPtrA(panel, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
      if (state != nullptr) {
        state->picture.Clear();
        state->shownName.clear();
        ShowSelection(panel, *state);
      }
      return TRUE;
    }
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header == nullptr || state == nullptr) break;
      if (header->code == CDN_SELCHANGE || header->code == CDN_FOLDERCHANGE || header->code == CDN_INITDONE)
        FollowSelection(panel, *state);
      break;
    }
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item == nullptr || item->CtlID != kPreviewPictureId || state == nullptr) break;
      RECT inner = item->rcItem;
      InflateRect(&inner, -2, -2);
      FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
      PaintPicture(item->hDC, inner, state->picture, false, &state->drawFailed);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kPreviewButtonId && HIWORD(wParam) == BN_CLICKED && state != nullptr &&
          !state->picture.Empty()) {
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), PreviewWindowTemplate(), GetParent(panel),
                                &PreviewWindowProc, reinterpret_cast<LPARAM>(&state->picture));
        return TRUE;
      }
      break;
  }
  return 0;
}

}  // namespace qp
