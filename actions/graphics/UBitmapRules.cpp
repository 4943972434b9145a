#include "actions/graphics/UBitmapRules.h"

namespace qp {

namespace {

void PutU16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::string& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

const uint32_t kFileHeaderSize = 14;
const uint32_t kInfoHeaderSize = 40;

}  // namespace

uint64_t BitmapRowStride(uint32_t width, uint32_t bitsPerPixel) {
  uint64_t bits = static_cast<uint64_t>(width) * bitsPerPixel;
  return (bits + 31) / 32 * 4;
}

uint32_t BitmapColorCount(uint32_t bitsPerPixel) {
  return bitsPerPixel >= 1 && bitsPerPixel <= 8 ? (1u << bitsPerPixel) : 0;
}

bool BitmapFileHeaders(uint32_t width, uint32_t height, uint32_t bitsPerPixel, std::string& headers) {
  uint64_t imageSize = BitmapRowStride(width, bitsPerPixel) * height;
  uint32_t colors = BitmapColorCount(bitsPerPixel);
  uint64_t offset = kFileHeaderSize + kInfoHeaderSize + 4ull * colors;
  uint64_t fileSize = offset + imageSize;
  if (fileSize > 0xFFFFFFFFull || width > 0x7FFFFFFF || height > 0x7FFFFFFF) return false;

  headers.clear();
  // File header.
  headers += "BM";
  PutU32(headers, static_cast<uint32_t>(fileSize));
  PutU32(headers, 0);  // two reserved words
  PutU32(headers, static_cast<uint32_t>(offset));
  // Information header; a positive height means the bottom row comes first.
  PutU32(headers, kInfoHeaderSize);
  PutU32(headers, width);
  PutU32(headers, height);
  PutU16(headers, 1);  // planes
  PutU16(headers, bitsPerPixel);
  PutU32(headers, 0);  // uncompressed
  PutU32(headers, static_cast<uint32_t>(imageSize));
  PutU32(headers, 0);  // horizontal and vertical resolution: not recorded
  PutU32(headers, 0);
  PutU32(headers, colors);  // colours used: the whole table
  PutU32(headers, 0);       // all colours important
  return true;
}

}  // namespace qp
