// qpFontDialog: the font dialog, opened on the font of a font text; OK writes
// the chosen font into five indexed variables, Cancel writes "False".
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include "actions/UActionExecs.h"
#include "actions/dialogs/UDialogLayer.h"
#include "actions/dialogs/UFontRules.h"
#include "core/UUtilities.h"

namespace qp {

namespace {

// CF_SCREENFONTS | CF_ENABLEHOOK | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS.
constexpr DWORD kFontDialogFlags = 0x149;

// What the user touched while the dialog was open: the colour and the
// script combo boxes. Only one font dialog is open at a time on the thread.
struct FontDialogChanges {
  bool open = false;  // the dialog has finished its own setup
  bool color = false;
  bool charset = false;
};
FontDialogChanges* g_changes = nullptr;

UINT_PTR CALLBACK FontDialogHookProc(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (g_changes == nullptr) return 0;
  // The dialog selects its initial entries itself, with the same
  // notifications a user's choice sends; the hook sees WM_INITDIALOG after
  // that, so only later selections are the user's.
  if (message == WM_INITDIALOG) g_changes->open = true;
  if (message == WM_COMMAND && g_changes->open && HIWORD(wParam) == CBN_SELCHANGE) {
    if (LOWORD(wParam) == cmb4) g_changes->color = true;
    if (LOWORD(wParam) == cmb5) g_changes->charset = true;
  }
  return 0;
}

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

LOGFONTA ToLogFont(const FontDescription& font, int dpi) {
  LOGFONTA lf = {};
  lf.lfHeight = -MulDiv(font.size, dpi, 72);
  lf.lfWeight = (font.styles & kStyleBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font.styles & kStyleItalic) ? 1 : 0;
  lf.lfUnderline = (font.styles & kStyleUnderline) ? 1 : 0;
  lf.lfStrikeOut = (font.styles & kStyleStrikeout) ? 1 : 0;
  lf.lfCharSet = font.charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  font.face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  return lf;
}

}  // namespace

bool FontDialogActionExec(const std::string& fontText, const std::string& resultVariable) {
  const FontDescription initial = TextToFont(fontText, DefaultDialogFace());
  const int dpi = ScreenPixelsPerInch();
  LOGFONTA lf = ToLogFont(initial, dpi);

  CHOOSEFONTA cf = {};
  cf.lStructSize = sizeof cf;
  cf.lpLogFont = &lf;
  cf.Flags = kFontDialogFlags;
  cf.rgbColors = ColorToRgb(initial.color);
  cf.lpfnHook = &FontDialogHookProc;

  FontDialogChanges changes;
  FontDialogChanges* outer = g_changes;
  g_changes = &changes;
  BOOL chosen = FALSE;
  {
    ModalDialogScope scope;
    cf.hwndOwner = scope.ActiveWindow();
    chosen = ChooseFontA(&cf);
  }
  g_changes = outer;

  if (!chosen) {
    SetVariable(resultVariable, kFalse);
    return true;
  }
  FontDescription chosenFont;
  chosenFont.face = BufferText(lf.lfFaceName, LF_FACESIZE);
  const int height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
  chosenFont.size = MulDiv(height, 72, dpi);
  chosenFont.styles = static_cast<uint8_t>((lf.lfWeight > FW_NORMAL ? kStyleBold : 0) |
                                           (lf.lfItalic ? kStyleItalic : 0) | (lf.lfUnderline ? kStyleUnderline : 0) |
                                           (lf.lfStrikeOut ? kStyleStrikeout : 0));
  chosenFont.color = changes.color ? static_cast<int32_t>(cf.rgbColors) : initial.color;
  const bool otherFace = lstrcmpiA(chosenFont.face.c_str(), initial.face.c_str()) != 0;
  chosenFont.charset = (changes.charset || otherFace) ? lf.lfCharSet : initial.charset;

  SetIndexedVariable(0, resultVariable, ColorToText(chosenFont.color));
  SetIndexedVariable(1, resultVariable, chosenFont.face);
  SetIndexedVariable(2, resultVariable, IntToText(chosenFont.size));
  SetIndexedVariable(3, resultVariable, FontStylesToText(chosenFont.styles));
  SetIndexedVariable(4, resultVariable, CharsetToText(chosenFont.charset));
  return true;
}

}  // namespace qp
