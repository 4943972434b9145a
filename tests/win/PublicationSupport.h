#pragma once
// Helpers of the publication and help suites: a scratch folder in the
// temporary folder that is removed with everything in it, and file writing.

#include <windows.h>

#include <string>

#include "tests/win/TempFolder.h"

namespace qptest {

// The shared temporary folder, with the writing helpers these suites use.
class ScratchFolder : public TempFolder {
 public:
  std::string File(const std::string& name) const { return Path(name); }

  // Writes bytes into a file of this folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const { return WriteFile(File(name), bytes); }

  static std::string WriteFile(const std::string& path, const std::string& bytes) {
    WriteFileBytes(path, bytes);
    return path;
  }
};

inline bool FilePresent(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace qptest
