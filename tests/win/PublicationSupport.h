#pragma once
// Helpers of the publication and help suites: a scratch folder in the
// temporary folder that is removed with everything in it, file writing, and
// the system's error text as the plug-in reports it.

#include <windows.h>

#include <string>

namespace qptest {

// A fresh folder under the system's temporary folder; removed (with the files
// in it) when the object goes away.
class ScratchFolder {
 public:
  ScratchFolder() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    for (unsigned n = GetTickCount(), tries = 0; tries < 1000; ++n, ++tries) {
      std::string candidate = std::string(temp) + "qpu_pub_" + std::to_string(GetCurrentProcessId()) + "_" +
                              std::to_string(n);
      if (CreateDirectoryA(candidate.c_str(), nullptr)) {
        path_ = candidate;
        break;
      }
    }
  }
  ~ScratchFolder() { RemoveTree(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

  // Writes bytes into a file of this folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const { return WriteFile(File(name), bytes); }

  static std::string WriteFile(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      if (!bytes.empty()) ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
      CloseHandle(h);
    }
    return path;
  }

 private:
  static void RemoveTree(const std::string& dir) {
    if (dir.empty()) return;
    WIN32_FIND_DATAA fd;
    HANDLE f = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (f != INVALID_HANDLE_VALUE) {
      do {
        std::string name = fd.cFileName;
        if (name == "." || name == "..") continue;
        std::string full = dir + "\\" + name;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveTree(full);
        else
          DeleteFileA(full.c_str());
      } while (FindNextFileA(f, &fd));
      FindClose(f);
    }
    RemoveDirectoryA(dir.c_str());
  }

  std::string path_;
};

inline bool FilePresent(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The system's message for a code with its final line break and full stop
// removed, the form in which the plug-in writes it into LastError.
inline std::string SystemText(DWORD code) {
  char buffer[256];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                           sizeof buffer, nullptr);
  if (n > sizeof buffer) n = 0;
  while (n > 0 && (static_cast<unsigned char>(buffer[n - 1]) <= 32 || buffer[n - 1] == '.')) --n;
  return std::string(buffer, n);
}

}  // namespace qptest
