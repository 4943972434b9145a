#pragma once
// A fresh folder in the system's temporary folder for one test, removed with
// everything in it afterwards, and a few file helpers for the file and shot
// suites.

#include <windows.h>

#include <string>

namespace qptest {

class TempFolder {
 public:
  TempFolder() {
    static unsigned counter = 0;
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "qpu-files-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() { RemoveTree(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string Path(const std::string& name) const { return path_ + "\\" + name; }

  static void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        std::string full = folder + "\\" + name;
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(full);
        else DeleteFileA(full.c_str());
      } while (FindNextFileA(search, &entry));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }

 private:
  std::string path_;
};

inline bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = bytes.empty() || (WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                              written == bytes.size());
  CloseHandle(h);
  return ok;
}

inline bool ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  char chunk[65536];
  DWORD got = 0;
  while (ReadFile(h, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
  CloseHandle(h);
  return true;
}

inline bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace qptest
