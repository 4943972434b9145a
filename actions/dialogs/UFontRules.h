#pragma once
// The text forms in which colours and fonts travel between the publication and
// the font and colour dialogs: the colour text ("255,0,0"), the style text
// ("Bold+Underline"), the character-set name ("ANSI_CHARSET") and the font
// text ("Tahoma|12|255,0,0|Bold"). Pure: no Windows calls.

#include <cstdint>
#include <string>
#include <string_view>

namespace qp {

// Style flags, kept together in one byte.
enum FontStyle : uint8_t {
  kStyleBold = 1,
  kStyleItalic = 2,
  kStyleUnderline = 4,
  kStyleStrikeout = 8,
};

// The colour of a newly made font: the system colour for window text.
constexpr int32_t kWindowTextColor = static_cast<int32_t>(0xFF000008u);
constexpr uint8_t kDefaultCharset = 1;
// The face used when the system names no default dialog face.
extern const char* const kFallbackFace;  // "MS Sans Serif"
constexpr size_t kMaxFaceLength = 31;

struct FontDescription {
  std::string face;
  int32_t size = 8;
  int32_t color = kWindowTextColor;
  uint8_t styles = 0;
  uint8_t charset = kDefaultCharset;
};

// A new font: the given face (cut to 31 characters), size 8, the window-text
// colour, no styles, DEFAULT_CHARSET.
FontDescription NewFont(std::string_view defaultFace);

// "r,g,b" of bits 0-7, 8-15 and 16-23; the top byte is ignored.
std::string ColorToText(int32_t color);
// Exactly three comma-separated pieces, each read by the integer rule (0 when
// it fails), combined as blue*65536 + green*256 + red with wrap-around; any
// other number of pieces gives -1.
int32_t TextToColor(std::string_view text);
// "Bold", "Italic", "Underline", "Strikeout" for the flags present, joined by "+".
std::string FontStylesToText(uint8_t styles);
// A flag for each style word occurring anywhere in the text (case-sensitive).
uint8_t TextToFontStyles(std::string_view text);
// The name of a Windows character-set code; unknown codes give "DEFAULT_CHARSET".
std::string CharsetToText(uint8_t charset);
// Reads "face|size|colour[|styles]" over a new font with defaultFace. Fewer
// than three pieces leave the new font unchanged; the style piece counts only
// when there are exactly four pieces.
FontDescription TextToFont(std::string_view text, std::string_view defaultFace);

}  // namespace qp
