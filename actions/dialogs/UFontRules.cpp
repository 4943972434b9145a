#include "actions/dialogs/UFontRules.h"

#include <cstdio>
#include <vector>

#include "core/UTextRules.h"

namespace qp {

const char* const kFallbackFace = "MS Sans Serif";

namespace {

struct StyleWord {
  uint8_t flag;
  const char* word;
};
constexpr StyleWord kStyleWords[] = {
    {kStyleBold, "Bold"},
    {kStyleItalic, "Italic"},
    {kStyleUnderline, "Underline"},
    {kStyleStrikeout, "Strikeout"},
};

struct CharsetName {
  uint8_t code;
  const char* name;
};
constexpr CharsetName kCharsetNames[] = {
    {0, "ANSI_CHARSET"},         {1, "DEFAULT_CHARSET"},     {2, "SYMBOL_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},   {129, "HANGEUL_CHARSET"},   {130, "JOHAB_CHARSET"},
    {134, "GB2312_CHARSET"},     {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},
    {162, "TURKISH_CHARSET"},    {163, "VIETNAMESE_CHARSET"}, {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"},     {204, "RUSSIAN_CHARSET"},   {222, "THAI_CHARSET"},
    {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

std::string CutFace(std::string_view face) {
  return std::string(face.substr(0, kMaxFaceLength));
}

}  // namespace

FontDescription NewFont(std::string_view defaultFace) {
  FontDescription font;
  font.face = CutFace(defaultFace);
  return font;
}

std::string ColorToText(int32_t color) {
  const uint32_t bits = static_cast<uint32_t>(color);
  char text[32];
  std::snprintf(text, sizeof text, "%d,%d,%d", static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
  return text;
}

int32_t TextToColor(std::string_view text) {
  const std::vector<std::string> pieces = SplitText(",", text);
  if (pieces.size() != 3) return -1;
  // Unsigned arithmetic: components are not range-checked and wrap around.
  const uint32_t red = static_cast<uint32_t>(ReadInteger(pieces[0], 0));
  const uint32_t green = static_cast<uint32_t>(ReadInteger(pieces[1], 0));
  const uint32_t blue = static_cast<uint32_t>(ReadInteger(pieces[2], 0));
  return static_cast<int32_t>(blue * 65536u + green * 256u + red);
}

std::string FontStylesToText(uint8_t styles) {
  std::string text;
  for (const StyleWord& style : kStyleWords) {
    if ((styles & style.flag) == 0) continue;
    if (!text.empty()) text += '+';
    text += style.word;
  }
  return text;
}

uint8_t TextToFontStyles(std::string_view text) {
  uint8_t styles = 0;
  for (const StyleWord& style : kStyleWords)
    if (text.find(style.word) != std::string_view::npos) styles |= style.flag;
  return styles;
}

std::string CharsetToText(uint8_t charset) {
  for (const CharsetName& entry : kCharsetNames)
    if (entry.code == charset) return entry.name;
  return "DEFAULT_CHARSET";
}

FontDescription TextToFont(std::string_view text, std::string_view defaultFace) {
  FontDescription font = NewFont(defaultFace);
  const std::vector<std::string> pieces = SplitText("|", text);
  if (pieces.size() < 3) return font;
  if (!pieces[0].empty()) font.face = CutFace(pieces[0]);
  font.size = ReadInteger(pieces[1], 10);
  font.color = TextToColor(pieces[2]);
  if (pieces.size() == 4) font.styles = TextToFontStyles(pieces[3]);
  return font;
}

}  // namespace qp
