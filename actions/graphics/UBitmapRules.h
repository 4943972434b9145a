#pragma once
// The layout of an uncompressed Windows bitmap file: the 14-byte file header
// beginning "BM", the 40-byte information header, the colour table (depths of
// 8 bits or less) and the pixel rows, each padded to a multiple of 4 bytes,
// bottom row first. No Windows calls.

#include <cstdint>
#include <string>

namespace qp {

// Bytes of one pixel row at the given depth, padded to 4 bytes.
uint64_t BitmapRowStride(uint32_t width, uint32_t bitsPerPixel);

// Entries of the colour table: 2^bits for depths of 8 bits or less, else 0.
uint32_t BitmapColorCount(uint32_t bitsPerPixel);

// The 54 header bytes of a bottom-up bitmap of that size and depth, with the
// file size, pixel offset and image size filled in. False when the file would
// not fit the 32-bit size fields.
bool BitmapFileHeaders(uint32_t width, uint32_t height, uint32_t bitsPerPixel, std::string& headers);

}  // namespace qp
