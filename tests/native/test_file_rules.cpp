// The pure rules of the file, drive and bitmap actions: operation and option
// words, the shell's path-list buffer, drive arguments and type words, the
// temporary-path extension and the bitmap file layout.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "actions/files/UFileRules.h"
#include "actions/graphics/UBitmapRules.h"

namespace qp {
namespace {

using namespace std::string_literals;

TEST(FileOperationWordsTest, OnlyTheFourWholeWordsSelectAnOperation) {
  struct Case {
    const char* word;
    bool valid;
    unsigned code;
  };
  const Case cases[] = {
      {"FO_MOVE", true, 1},   {"FO_COPY", true, 2},   {"FO_DELETE", true, 3}, {"FO_RENAME", true, 4},
      {"fo_copy", false, 0},  {" FO_COPY", false, 0}, {"FO_COPY ", false, 0}, {"", false, 0},
      {"FO_COPYX", false, 0}, {"FO_", false, 0},
  };
  for (const Case& c : cases) {
    unsigned code = 99;
    EXPECT_EQ(FileOperationCode(c.word, code), c.valid) << c.word;
    if (c.valid) {
      EXPECT_EQ(code, c.code) << c.word;
    }
  }
}

TEST(FileOperationWordsTest, OptionWordsCountAnywhereCaseSensitively) {
  struct Case {
    const char* options;
    uint16_t flags;
  };
  const Case cases[] = {
      {"", 0},
      {"FOF_SILENT|FOF_NOCONFIRMATION", 0x0014},
      {"FOF_NO_UI", 0x0614},
      {"FOF_SILENTFOF_NOERRORUI", 0x0404},  // no separator needed
      {"fof_silent", 0},
      {"whatever FOF_BOGUS", 0},
      {"FOF_ALLOWUNDO FOF_FILESONLY FOF_MULTIDESTFILES", 0x00C1},
      {"FOF_NOCONFIRMMKDIR,FOF_NO_CONNECTED_ELEMENTS,FOF_NOCOPYSECURITYATTRIBS", 0x2A00},
      {"FOF_NORECURSION FOF_RENAMEONCOLLISION FOF_SIMPLEPROGRESS", 0x1108},
      {"FOF_SILENT FOF_SILENT", 0x0004},
  };
  for (const Case& c : cases) EXPECT_EQ(FileOperationFlags(c.options), c.flags) << c.options;
}

TEST(PathListBufferTest, EveryPieceUntrimmedThenOneMoreZero) {
  struct Case {
    const char* list;
    std::string buffer;
  };
  const Case cases[] = {
      {"C:\\a.txt|C:\\b.txt", "C:\\a.txt\0C:\\b.txt\0\0"s},
      {"D:\\Backup", "D:\\Backup\0\0"s},
      {"a.txt||b.txt", "a.txt\0\0b.txt\0\0"s},
      {" a.txt |b", " a.txt \0b\0\0"s},
      {"a|", "a\0\0\0"s},
  };
  for (const Case& c : cases) EXPECT_EQ(PathListBuffer(c.list), c.buffer) << c.list;
}

TEST(DriveArgumentTest, OneCharacterAfterTrimmingAndRemovingColonsAndBackslashes) {
  struct Case {
    const char* argument;
    bool valid;
    char letter;
  };
  const Case cases[] = {
      {"C", true, 'C'},      {"C:", true, 'C'},    {"C:\\", true, 'C'},    {" C:\\ ", true, 'C'},
      {"\\\\C:", true, 'C'}, {"c", true, 'c'},     {"1", true, '1'},       {"\tC\n", true, 'C'},
      {"", false, 0},        {"   ", false, 0},   {"CD", false, 0},       {"C:\\Windows", false, 0},
      {":\\", false, 0},     {"C D", false, 0},
  };
  for (const Case& c : cases) {
    char letter = 0;
    EXPECT_EQ(CleanDriveArgument(c.argument, letter), c.valid) << c.argument;
    if (c.valid) {
      EXPECT_EQ(letter, c.letter) << c.argument;
    }
  }
  EXPECT_EQ(DriveRoot('c'), "c:\\");
}

TEST(DriveTypeWordsTest, WordsOfTheSystemNumbers) {
  const char* words[] = {"DRIVE_UNKNOWN", "DRIVE_NO_ROOT_DIR", "DRIVE_REMOVABLE", "DRIVE_FIXED",
                         "DRIVE_REMOTE",  "DRIVE_CDROM",       "DRIVE_RAMDISK"};
  for (unsigned t = 0; t < 7; ++t) EXPECT_EQ(DriveTypeWord(t), words[t]);
  EXPECT_EQ(DriveTypeWord(7), "DRIVE_UNKNOWN");
  EXPECT_EQ(DriveTypeWord(0xFFFFFFFFu), "DRIVE_UNKNOWN");
}

TEST(DriveTypeWordsTest, SystemDrivesAcceptsAllAndTheRealTypesOnly) {
  struct Case {
    const char* word;
    bool valid;
    bool all;
    unsigned type;
  };
  const Case cases[] = {
      {"DRIVE_ALL", true, true, 0},        {"DRIVE_UNKNOWN", true, false, 0},
      {"DRIVE_REMOVABLE", true, false, 2}, {"DRIVE_FIXED", true, false, 3},
      {"DRIVE_REMOTE", true, false, 4},    {"DRIVE_CDROM", true, false, 5},
      {"DRIVE_RAMDISK", true, false, 6},   {"DRIVE_NO_ROOT_DIR", false, false, 0},
      {"drive_fixed", false, false, 0},    {" DRIVE_FIXED", false, false, 0},
      {"", false, false, 0},
  };
  for (const Case& c : cases) {
    bool all = !c.all;
    unsigned type = 99;
    EXPECT_EQ(SystemDrivesFilter(c.word, all, type), c.valid) << c.word;
    if (!c.valid) continue;
    EXPECT_EQ(all, c.all) << c.word;
    if (!c.all) {
      EXPECT_EQ(type, c.type) << c.word;
    }
  }
}

TEST(TempExtensionTest, EveryDotGoesNothingElse) {
  struct Case {
    const char* extension;
    const char* cleaned;
  };
  const Case cases[] = {
      {"txt", "txt"}, {".txt", "txt"}, {"..txt", "txt"}, {"tar.gz", "targz"}, {" txt", " txt"}, {"", ""}, {"...", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CleanTempExtension(c.extension), c.cleaned) << c.extension;
}

uint32_t U32At(const std::string& s, size_t at) {
  return static_cast<uint8_t>(s[at]) | static_cast<uint8_t>(s[at + 1]) << 8 | static_cast<uint8_t>(s[at + 2]) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(s[at + 3])) << 24;
}
uint32_t U16At(const std::string& s, size_t at) {
  return static_cast<uint8_t>(s[at]) | static_cast<uint8_t>(s[at + 1]) << 8;
}

TEST(BitmapLayoutTest, RowsArePaddedToFourBytes) {
  struct Case {
    uint32_t width, bits;
    uint64_t stride;
  };
  const Case cases[] = {
      {1, 1, 4},  {33, 1, 8},  {1, 4, 4},  {9, 4, 8},   {3, 8, 4},   {5, 8, 8},
      {1, 16, 4}, {3, 16, 8},  {1, 24, 4}, {3, 24, 12}, {5, 24, 16}, {7, 32, 28},
  };
  for (const Case& c : cases) EXPECT_EQ(BitmapRowStride(c.width, c.bits), c.stride) << c.width << "x" << c.bits;
}

TEST(BitmapLayoutTest, HeadersDescribeTheFileExactly) {
  struct Case {
    uint32_t width, height, bits;
    uint32_t colors;
  };
  const Case cases[] = {{5, 3, 24, 0}, {1024, 768, 32, 0}, {7, 2, 16, 0}, {5, 3, 8, 256}, {9, 1, 4, 16}, {33, 2, 1, 2}};
  for (const Case& c : cases) {
    std::string h;
    ASSERT_TRUE(BitmapFileHeaders(c.width, c.height, c.bits, h));
    ASSERT_EQ(h.size(), 54u);
    uint32_t image = static_cast<uint32_t>(BitmapRowStride(c.width, c.bits)) * c.height;
    uint32_t offset = 54 + 4 * c.colors;
    EXPECT_EQ(h.substr(0, 2), "BM");
    EXPECT_EQ(U32At(h, 2), offset + image) << "file size";
    EXPECT_EQ(U32At(h, 6), 0u);
    EXPECT_EQ(U32At(h, 10), offset) << "pixel offset";
    EXPECT_EQ(U32At(h, 14), 40u);
    EXPECT_EQ(U32At(h, 18), c.width);
    EXPECT_EQ(U32At(h, 22), c.height) << "positive: bottom row first";
    EXPECT_EQ(U16At(h, 26), 1u);
    EXPECT_EQ(U16At(h, 28), c.bits);
    EXPECT_EQ(U32At(h, 30), 0u) << "uncompressed";
    EXPECT_EQ(U32At(h, 34), image);
    EXPECT_EQ(U32At(h, 46), c.colors);
    EXPECT_EQ(BitmapColorCount(c.bits), c.colors);
  }
}

TEST(BitmapLayoutTest, TooLargeForTheSizeFieldsIsRefused) {
  std::string h;
  EXPECT_FALSE(BitmapFileHeaders(40000, 40000, 32, h));  // 6.4e9 bytes
  EXPECT_FALSE(BitmapFileHeaders(0x80000000u, 1, 1, h));
  EXPECT_TRUE(BitmapFileHeaders(16000, 16000, 32, h));  // 1.02e9 bytes still fits
}

}  // namespace
}  // namespace qp
