#include "actions/graphics/UShotsUtilities.h"

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "actions/graphics/UBitmapRules.h"
#include "core/UUtilities.h"

namespace qp {

namespace {

// A failed step's error code, never 0: a call that fails without leaving a
// code still has to make the capture fail with a text.
DWORD FailureCode(DWORD fallback) {
  DWORD code = GetLastError();
  return code != 0 ? code : fallback;
}

// The captured picture, ready to be written.
struct BitmapImage {
  std::string headers;          // file and information headers
  std::vector<RGBQUAD> colors;  // colour table (depths of 8 bits or less)
  std::vector<uint8_t> pixels;  // padded rows, bottom row first
};

uint32_t SupportedDepth(int bits) {
  switch (bits) {
    case 1: case 4: case 8: case 16: case 24: case 32:
      return static_cast<uint32_t>(bits);
    default:
      return 32;  // a depth the file format has no uncompressed layout for
  }
}

// Copies width x height pixels of the window's device context into image at
// the display's depth. False with the error code in error.
bool CapturePixels(HDC windowDC, int width, int height, BitmapImage& image, DWORD& error) {
  uint32_t bits = SupportedDepth(GetDeviceCaps(windowDC, BITSPIXEL) * GetDeviceCaps(windowDC, PLANES));
  if (!BitmapFileHeaders(static_cast<uint32_t>(width), static_cast<uint32_t>(height), bits, image.headers)) {
    error = ERROR_NOT_ENOUGH_MEMORY;
    return false;
  }
  uint64_t imageSize = BitmapRowStride(static_cast<uint32_t>(width), bits) * static_cast<uint32_t>(height);
  uint32_t colorCount = BitmapColorCount(bits);
  try {
    image.pixels.assign(static_cast<size_t>(imageSize), 0);
    image.colors.assign(colorCount, RGBQUAD{});
  } catch (const std::bad_alloc&) {
    error = ERROR_NOT_ENOUGH_MEMORY;
    return false;
  }

  HDC memoryDC = CreateCompatibleDC(windowDC);
  if (memoryDC == nullptr) {
    error = FailureCode(ERROR_NOT_ENOUGH_MEMORY);
    return false;
  }
  HBITMAP bitmap = CreateCompatibleBitmap(windowDC, width, height);
  if (bitmap == nullptr) {
    error = FailureCode(ERROR_NOT_ENOUGH_MEMORY);
    DeleteDC(memoryDC);
    return false;
  }
  HGDIOBJ previous = SelectObject(memoryDC, bitmap);
  BitBlt(memoryDC, 0, 0, width, height, windowDC, 0, 0, SRCCOPY);  // what shows is what is kept
  SelectObject(memoryDC, previous);  // GetDIBits wants the bitmap selected nowhere

  // Room for the information header and a full colour table.
  std::vector<uint8_t> infoBuffer(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
  BITMAPINFO* info = reinterpret_cast<BITMAPINFO*>(infoBuffer.data());
  info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info->bmiHeader.biWidth = width;
  info->bmiHeader.biHeight = height;  // bottom-up, as the file stores it
  info->bmiHeader.biPlanes = 1;
  info->bmiHeader.biBitCount = static_cast<WORD>(bits);
  info->bmiHeader.biCompression = BI_RGB;
  info->bmiHeader.biClrUsed = colorCount;

  bool ok = true;
  SetLastError(0);
  int lines = GetDIBits(windowDC, bitmap, 0, static_cast<UINT>(height), image.pixels.data(), info, DIB_RGB_COLORS);
  if (lines != height) {
    error = FailureCode(ERROR_INVALID_PARAMETER);
    ok = false;
  } else {
    for (uint32_t i = 0; i < colorCount; ++i) image.colors[i] = info->bmiColors[i];
  }
  DeleteObject(bitmap);
  DeleteDC(memoryDC);
  return ok;
}

bool WriteAll(HANDLE file, const void* data, size_t size) {
  const uint8_t* p = static_cast<const uint8_t*>(data);
  while (size > 0) {
    DWORD chunk = size > 0x10000000 ? 0x10000000 : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(file, p, chunk, &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    p += written;
    size -= written;
  }
  return true;
}

// Creates or replaces the file and writes the image into it (nothing for an
// empty image). A file left half-written is removed again. False with the
// error code in error.
bool WriteBitmapFile(const std::string& fileName, const BitmapImage* image, DWORD& error) {
  HANDLE file = CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = FailureCode(ERROR_CANNOT_MAKE);
    return false;
  }
  bool ok = true;
  if (image != nullptr) {
    ok = WriteAll(file, image->headers.data(), image->headers.size()) &&
         WriteAll(file, image->colors.data(), image->colors.size() * sizeof(RGBQUAD)) &&
         WriteAll(file, image->pixels.data(), image->pixels.size());
    if (!ok) error = FailureCode(ERROR_WRITE_FAULT);
  }
  if (!CloseHandle(file) && ok) {
    error = FailureCode(ERROR_WRITE_FAULT);
    ok = false;
  }
  if (!ok) DeleteFileA(fileName.c_str());
  return ok;
}

}  // namespace

bool CaptureWindow(HWND window, const std::string& fileName) {
  HDC windowDC = GetWindowDC(window);
  if (windowDC == nullptr) {
    SetLastError(FailureCode(ERROR_INVALID_WINDOW_HANDLE));
    return false;
  }
  RECT rect{};
  if (!GetWindowRect(window, &rect)) {
    DWORD error = FailureCode(ERROR_INVALID_WINDOW_HANDLE);
    ReleaseDC(window, windowDC);
    SetLastError(error);
    return false;
  }
  int width = rect.right - rect.left;
  int height = rect.bottom - rect.top;

  DWORD error = 0;
  bool ok;
  if (width <= 0 || height <= 0) {
    // Nothing to copy: the file is created empty and that counts as done.
    ok = WriteBitmapFile(fileName, nullptr, error);
  } else {
    BitmapImage image;
    ok = CapturePixels(windowDC, width, height, image, error) && WriteBitmapFile(fileName, &image, error);
  }
  ReleaseDC(window, windowDC);
  SetLastError(ok ? 0 : error);
  return ok;
}

bool CaptureActiveWindow(const std::string& fileName) { return CaptureWindow(GetForegroundWindow(), fileName); }

bool CaptureScreen(const std::string& fileName) { return CaptureWindow(GetDesktopWindow(), fileName); }

void WriteCaptureOutcome(bool captured, const std::string& resultVar) {
  if (captured) {
    SetVariable(resultVar, kTrue);
    return;
  }
  DWORD error = GetLastError();  // before the host sees the "False"
  SetVariable(resultVar, kFalse);
  ReportSystemError(error);
}

}  // namespace qp
