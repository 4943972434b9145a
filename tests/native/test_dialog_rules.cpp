// The colour, style, character-set and font texts, and the option words and
// buffers of the dialog actions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/dialogs/UDialogRules.h"
#include "actions/dialogs/UFontRules.h"

namespace qp {
namespace {

TEST(ColorTextTest, ColorToText) {
  const struct {
    int32_t color;
    const char* text;
  } cases[] = {
      {255, "255,0,0"},
      {16744448, "0,128,255"},
      {0, "0,0,0"},
      {kWindowTextColor, "8,0,0"},  // the top byte is ignored
      {-1, "255,255,255"},
      {256, "0,1,0"},
  };
  for (const auto& c : cases) EXPECT_EQ(ColorToText(c.color), c.text) << c.color;
}

TEST(ColorTextTest, TextToColor) {
  const struct {
    const char* text;
    int32_t color;
  } cases[] = {
      {"255,0,0", 255},
      {" 0, 128, 255", 16744448},  // spaces before a number are allowed
      {"0,128,255 ", 32768},       // a trailing blank fails the piece: blue 0
      {"255,0", -1},
      {"1,2,3,", -1},
      {"", -1},
      {",,", 0},
      {"$FF,0,0", 255},
      {"256,0,0", 256},  // carries into green
      {"-1,0,0", -1},    // borrows: the same value as a rejected text
      {"x,y,z", 0},
      {"0,0,256", 16777216},
      {"\t1,0,0", 0},  // a tab is not skipped
  };
  for (const auto& c : cases) EXPECT_EQ(TextToColor(c.text), c.color) << '"' << c.text << '"';
}

TEST(StyleTextTest, BothDirections) {
  EXPECT_EQ(FontStylesToText(0), "");
  EXPECT_EQ(FontStylesToText(kStyleBold | kStyleUnderline), "Bold+Underline");
  EXPECT_EQ(FontStylesToText(kStyleStrikeout | kStyleItalic), "Italic+Strikeout");
  EXPECT_EQ(FontStylesToText(15), "Bold+Italic+Underline+Strikeout");

  const struct {
    const char* text;
    uint8_t styles;
  } cases[] = {
      {"Italic+Bold", kStyleBold | kStyleItalic},
      {"BoldItalic", kStyleBold | kStyleItalic},
      {"bold", 0},
      {"StrikeOut", 0},
      {"Strikeout Underline,Underline", kStyleStrikeout | kStyleUnderline},
      {"", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToFontStyles(c.text), c.styles) << c.text;
}

TEST(CharsetTextTest, KnownAndUnknownCodes) {
  const struct {
    int code;
    const char* name;
  } cases[] = {
      {0, "ANSI_CHARSET"},        {1, "DEFAULT_CHARSET"},      {2, "SYMBOL_CHARSET"},
      {128, "SHIFTJIS_CHARSET"},  {129, "HANGEUL_CHARSET"},    {130, "JOHAB_CHARSET"},
      {134, "GB2312_CHARSET"},    {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},
      {162, "TURKISH_CHARSET"},   {163, "VIETNAMESE_CHARSET"}, {177, "HEBREW_CHARSET"},
      {178, "ARABIC_CHARSET"},    {204, "RUSSIAN_CHARSET"},    {222, "THAI_CHARSET"},
      {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},       {77, "DEFAULT_CHARSET"},
      {186, "DEFAULT_CHARSET"},   {3, "DEFAULT_CHARSET"},
  };
  for (const auto& c : cases) EXPECT_EQ(CharsetToText(static_cast<uint8_t>(c.code)), c.name) << c.code;
}

TEST(FontTextTest, Table) {
  const std::string def = "Default Face";
  const struct {
    const char* text;
    const char* face;
    int32_t size;
    int32_t color;
    uint8_t styles;
  } cases[] = {
      {"", "Default Face", 8, kWindowTextColor, 0},
      {"Tahoma|12", "Default Face", 8, kWindowTextColor, 0},  // two pieces: all ignored
      {"Tahoma|12|255,0,0|Bold", "Tahoma", 12, 255, kStyleBold},
      {"Tahoma|12|255,0,0", "Tahoma", 12, 255, 0},
      {"Tahoma|big|255,0,0", "Tahoma", 10, 255, 0},
      {"Tahoma|12|red", "Tahoma", 12, -1, 0},
      {"Tahoma|12|0,0,255|Bold|x", "Tahoma", 12, 16711680, 0},  // five pieces: no styles
      {"|14|0,128,0|Italic+Underline", "Default Face", 14, 32768, kStyleItalic | kStyleUnderline},
      {" Arial |$10|1,2,3|", " Arial ", 16, 0x030201, 0},  // nothing is trimmed
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789|9|0,0,0", "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234", 9, 0, 0},
  };
  for (const auto& c : cases) {
    const FontDescription font = TextToFont(c.text, def);
    EXPECT_EQ(font.face, c.face) << c.text;
    EXPECT_EQ(font.size, c.size) << c.text;
    EXPECT_EQ(font.color, c.color) << c.text;
    EXPECT_EQ(font.styles, c.styles) << c.text;
    EXPECT_EQ(font.charset, kDefaultCharset) << c.text;
  }
  EXPECT_EQ(NewFont(std::string(40, 'F')).face, std::string(31, 'F'));
}

TEST(ColorDialogFlagsTest, OptionWords) {
  const uint32_t base = kCcRgbInit | kCcEnableHook;
  const struct {
    const char* text;
    uint32_t flags;
  } cases[] = {
      {"", base},
      {"cdfullopen", base},
      {"cdFullOpen,cdSolidColor", base | kCcFullOpen | kCcSolidColor},
      {"cdPreventFullOpen cdAnyColor", base | kCcPreventFullOpen | kCcAnyColor},
      {"[cdAnyColor]cdFullOpencdFullOpen", base | kCcAnyColor | kCcFullOpen},
  };
  for (const auto& c : cases) EXPECT_EQ(ColorDialogFlags(c.text), c.flags) << c.text;
}

TEST(SlotTextTest, ReadAndWrite) {
  const struct {
    const char* text;
    bool valid;
    uint32_t value;
  } cases[] = {
      {"0000FF", true, 0xFF},      {"ff0000", true, 0xFF0000}, {"FFFFFFFF", true, 0xFFFFFFFF},
      {"000000000001", true, 1},   {"123456789", false, 0},    {"", false, 0},
      {"$FF", false, 0},           {"0xFF", false, 0},         {" FF", false, 0},
      {"FF ", false, 0},           {"255,0,0", false, 0},      {"-1", false, 0},
      {"0", true, 0},
  };
  for (const auto& c : cases) {
    uint32_t value = 12345;
    EXPECT_EQ(TryReadSlotText(c.text, value), c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
  EXPECT_EQ(SlotText(0xFF), "0000FF");
  EXPECT_EQ(SlotText(0), "000000");
  EXPECT_EQ(SlotText(0xABCDEF), "ABCDEF");
  EXPECT_EQ(SlotText(kUnsetSlot), "FFFFFFFF");
}

TEST(FileDialogOptionsTest, WordsEachKindAccepts) {
  using K = FileDialogKind;
  const uint32_t base = kOfnHideReadOnly | kOfnEnableHook | kOfnExplorer;
  const struct {
    K kind;
    const char* text;
    uint32_t flags;
    uint32_t flagsEx;
  } cases[] = {
      {K::Open, "", base, 0},
      {K::Save, "", base, 0},
      {K::Open, "ofnochangedir", base, 0},
      {K::Open, "[ofNoChangeDir, ofNoValidate]", base | kOfnNoChangeDir | kOfnNoValidate, 0},
      {K::Open, "ofOverwritePrompt", base, 0},
      {K::Save, "ofOverwritePrompt", base | kOfnOverwritePrompt, 0},
      {K::Save, "ofAllowMultiSelect ofFileMustExist ofPathMustExist ofCreatePrompt", base, 0},
      {K::Open, "ofFileMustExist ofAllowMultiSelect", base | kOfnFileMustExist | kOfnAllowMultiSelect, 0},
      {K::Open, "ofEnableSizing", base, 0},
      {K::Save, "ofEnableSizing", base | kOfnEnableSizing, 0},
      {K::OpenPicture, "ofEnableSizing", base | kOfnEnableSizing, 0},
      {K::Open, "ofEnableIncludeNotify", base | kOfnEnableIncludeNotify, 0},
      {K::OpenPicture, "ofEnableIncludeNotify", base, 0},
      {K::SavePicture, "ofEnableIncludeNotify ofAllowMultiSelect ofOverwritePrompt", base | kOfnOverwritePrompt, 0},
      {K::Open, "ofOldStyleDialog", kOfnHideReadOnly | kOfnEnableHook, 0},
      {K::Save, "ofExNoPlacesBar", base, kOfnExNoPlacesBar},
      {K::Open, "ofReadOnly ofHideReadOnly ofShowHelp ofExtensionDifferent", base, 0},
      {K::Open,
       "ofNoChangeDir ofNoValidate ofAllowMultiSelect ofPathMustExist ofFileMustExist ofCreatePrompt "
       "ofShareAware ofNoReadOnlyReturn ofNoTestFileCreate ofNoNetworkButton ofNoLongNames "
       "ofNoDereferenceLinks ofEnableIncludeNotify ofDontAddToRecent ofForceShowHidden",
       base | 0x8 | 0x100 | 0x200 | 0x800 | 0x1000 | 0x2000 | 0x4000 | 0x8000 | 0x10000 | 0x20000 | 0x40000 |
           0x100000 | 0x400000 | 0x2000000 | 0x10000000,
       0},
  };
  for (const auto& c : cases) {
    const FileDialogOptions options = ReadFileDialogOptions(c.kind, c.text);
    EXPECT_EQ(options.flags, c.flags) << static_cast<int>(c.kind) << " " << c.text;
    EXPECT_EQ(options.flagsEx, c.flagsEx) << static_cast<int>(c.kind) << " " << c.text;
    EXPECT_EQ(options.multiSelect, (c.flags & kOfnAllowMultiSelect) != 0) << c.text;
  }
}

TEST(FileDialogOptionsTest, NewerDialogCounterparts) {
  using K = FileDialogKind;
  const struct {
    K kind;
    const char* text;
    uint32_t newFlags;
  } cases[] = {
      {K::Open, "", kFosForceFileSystem},
      {K::Open, "ofNoNetworkButton ofNoLongNames ofOldStyleDialog ofEnableIncludeNotify ofEnableSizing",
       kFosForceFileSystem},
      {K::Open, "ofExNoPlacesBar ofAllowMultiSelect ofFileMustExist",
       kFosForceFileSystem | kFosHidePinnedPlaces | kFosAllowMultiSelect | kFosFileMustExist},
      {K::Save, "ofOverwritePrompt ofNoChangeDir ofDontAddToRecent ofForceShowHidden ofNoDereferenceLinks",
       kFosForceFileSystem | kFosOverwritePrompt | kFosNoChangeDir | kFosDontAddToRecent | kFosForceShowHidden |
           kFosNoDereferenceLinks},
      {K::Save, "ofAllowMultiSelect", kFosForceFileSystem},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadFileDialogOptions(c.kind, c.text).newFlags, c.newFlags) << c.text;
}

TEST(FileDialogTextsTest, FilterFolderAndBuffer) {
  using Pairs = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(FilterPairs(""), Pairs{});
  EXPECT_EQ(FilterPairs("Text files|*.txt|All files|*.*"), (Pairs{{"Text files", "*.txt"}, {"All files", "*.*"}}));
  EXPECT_EQ(FilterPairs("Text|*.txt|Dangling"), (Pairs{{"Text", "*.txt"}}));
  EXPECT_EQ(ClassicFilter("A|*.a;*.b"), std::string("A\0*.a;*.b\0\0", 11));
  EXPECT_EQ(ClassicFilter(""), "");

  EXPECT_EQ(InitialFolder("C:\\Temp\\"), "C:\\Temp");
  EXPECT_EQ(InitialFolder("C:\\"), "C:\\");
  EXPECT_EQ(InitialFolder("C:\\Temp\\\\"), "C:\\Temp\\");
  EXPECT_EQ(InitialFolder(""), "");

  using Paths = std::vector<std::string>;
  EXPECT_EQ(SelectedPaths(std::string("C:\\d\\one.txt\0\0junk", 19), true), Paths{"C:\\d\\one.txt"});
  EXPECT_EQ(SelectedPaths(std::string("C:\\d\0a.txt\0b.txt\0\0", 18), true), (Paths{"C:\\d\\a.txt", "C:\\d\\b.txt"}));
  EXPECT_EQ(SelectedPaths(std::string("C:\\\0a.txt\0\0", 11), true), Paths{"C:\\a.txt"});
  EXPECT_EQ(SelectedPaths(std::string("C:\\D a.txt b.txt\0", 17), false), (Paths{"C:\\D\\a.txt", "C:\\D\\b.txt"}));
  EXPECT_EQ(SelectedPaths(std::string("\0\0", 2), true), Paths{});
}

}  // namespace
}  // namespace qp
