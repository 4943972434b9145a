#pragma once
// The shared body of qpFileLongPath and qpFileShortPath.

#include <windows.h>

#include <string>

namespace qp {

// The system call that converts a path to one of its forms: the length
// written on success, the size needed (terminating zero included) when the
// buffer is too small, 0 on failure.
using PathFormCall = DWORD(WINAPI*)(LPCSTR path, LPSTR buffer, DWORD size);

// Runs the conversion for the path and writes the whole form into the result
// variable; on failure writes LastError, then "False". Returns success.
bool WritePathForm(PathFormCall convert, const std::string& path, const std::string& resultVar);

}  // namespace qp
