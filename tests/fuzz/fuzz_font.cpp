// Colour and font texts: any colour survives its text (top byte aside), any
// component triple 0-255 survives its colour, any style set survives its
// text, a font text built from a face, size, colour and styles reads back
// into them, and any text at all reads as a font whose face is at most 31
// characters and never holds "|".
#include <algorithm>
#include <cstring>

#include "actions/dialogs/UFontRules.h"
#include "core/UTextRules.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const std::string kDefault = "Default Face";

  // Any text.
  const int32_t color = qp::TextToColor(text);
  if (qp::SplitText(",", text).size() != 3) FUZZ_CHECK(color == -1);
  const qp::FontDescription font = qp::TextToFont(text, kDefault);
  FUZZ_CHECK(font.face.size() <= qp::kMaxFaceLength && font.face.find('|') == std::string::npos);
  FUZZ_CHECK(font.charset == qp::kDefaultCharset);
  if (qp::SplitText("|", text).size() < 3) {
    FUZZ_CHECK(font.face == kDefault && font.size == 8 && font.color == qp::kWindowTextColor && font.styles == 0);
  }
  FUZZ_CHECK((qp::TextToFontStyles(text) & ~15) == 0);
  FUZZ_CHECK(!qp::CharsetToText(size ? data[0] : 0).empty());

  if (size < 10) return 0;
  int32_t value;
  std::memcpy(&value, data, 4);
  // Colours and their texts.
  FUZZ_CHECK(qp::TextToColor(qp::ColorToText(value)) == (value & 0xFFFFFF));
  const std::string triple = std::to_string(data[4]) + "," + std::to_string(data[5]) + "," + std::to_string(data[6]);
  FUZZ_CHECK(qp::ColorToText(qp::TextToColor(triple)) == triple);
  // Styles.
  const uint8_t styles = data[7] & 15;
  FUZZ_CHECK(qp::TextToFontStyles(qp::FontStylesToText(styles)) == styles);
  // A whole font text: the face is the rest of the input without "|".
  std::string face(text.substr(10));
  face.erase(std::remove(face.begin(), face.end(), '|'), face.end());
  const int32_t points = static_cast<int8_t>(data[8]);
  const std::string fontText = face + "|" + qp::IntToText(points) + "|" + triple + "|" + qp::FontStylesToText(styles);
  const qp::FontDescription read = qp::TextToFont(fontText, kDefault);
  FUZZ_CHECK(read.face == (face.empty() ? kDefault : face.substr(0, qp::kMaxFaceLength)));
  FUZZ_CHECK(read.size == points && read.color == qp::TextToColor(triple) && read.styles == styles);
  return 0;
}
