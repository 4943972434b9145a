#pragma once
// The picture preview panel of the classic Explorer-style picture dialogs:
// an in-memory child dialog template placed beside the file list, and the
// hook that follows the selection. Also the picture object behind it, which
// loads bitmaps, icons, metafiles and enhanced metafiles.

#include <windows.h>

#include <string>

namespace qp {

class Picture {
 public:
  Picture() = default;
  ~Picture() { Clear(); }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // Loads the file by its extension (.bmp, .dib, .ico, .wmf, .emf). False,
  // and no picture, when the file does not exist or does not load.
  bool Load(const std::string& path);
  void Clear();
  bool Empty() const { return kind_ == Kind::None; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Draws the picture stretched into the rectangle; false when it cannot.
  bool Draw(HDC dc, const RECT& area) const;

 private:
  enum class Kind { None, Bitmap, Icon, Metafile };
  Kind kind_ = Kind::None;
  HBITMAP bitmap_ = nullptr;
  HICON icon_ = nullptr;
  HENHMETAFILE metafile_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// The rectangle of a picture of width x height scaled to fit into area,
// proportions kept, centred. A picture smaller than the area is not enlarged
// by the panel; the preview window enlarges it (grow true).
RECT FitPicture(int width, int height, const RECT& area, bool grow);

// What the preview hook keeps while one dialog is open.
struct PreviewState {
  Picture picture;
  std::string shownName;
  bool drawFailed = false;
};

// The child dialog template (static storage) for OFN_ENABLETEMPLATEHANDLE.
HINSTANCE PreviewTemplate();
// The Explorer-style hook of the picture dialogs; lCustData of the
// OPENFILENAMEA structure points to a PreviewState.
UINT_PTR CALLBACK PreviewHookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Control identifiers of the panel.
constexpr int kPreviewCaptionId = 0x3001;
constexpr int kPreviewPictureId = 0x3002;
constexpr int kPreviewButtonId = 0x3003;

}  // namespace qp
