#pragma once
// Window and screen captures into bitmap files.

#include <windows.h>

#include <string>

namespace qp {

// Copies what the window shows, its whole outer rectangle (frame, title bar
// and menu included), into a bitmap file at the display's depth; an existing
// file is replaced. A window of zero width or height gives a zero-length file.
// True when the file was written; false with the Windows error code left in
// GetLastError() otherwise (not a window, no rectangle, no memory for the
// bitmap, a file that cannot be created or written).
bool CaptureWindow(HWND window, const std::string& fileName);

// CaptureWindow of the foreground window.
bool CaptureActiveWindow(const std::string& fileName);

// CaptureWindow of the desktop window: the whole screen.
bool CaptureScreen(const std::string& fileName);

// The outcome of a capture as qpActiveShot and qpScreenShot write it: "True";
// or "False" and then the system text of the error the capture left.
void WriteCaptureOutcome(bool captured, const std::string& resultVar);

}  // namespace qp
