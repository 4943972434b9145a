#include "core/UUtilities.h"

#include <windows.h>
#include <objbase.h>

#include "core/UGlobals.h"
#include "core/UStringIds.h"

namespace qp {

const char* const kTrue = "True";
const char* const kFalse = "False";

void SetVariable(const std::string& name, const std::string& value) {
  if (IsBlank(name) || SetVarProc == nullptr) return;
  SetVarProc(name.c_str(), value.c_str());
}

void SetIndexedVariable(int32_t index, const std::string& name, const std::string& value) {
  if (IsBlank(name)) return;
  SetVariable(name + IntToText(index), value);
}

std::string ReadVariable(const std::string& name) {
  HostString value = nullptr;
  if (GetVarProc != nullptr) GetVarProc(name.c_str(), &value);
  std::string copy = HostText(value);
  if (value != nullptr) FreeHostString(value);
  return copy;
}

void RunHostLine(const std::string& line) {
  if (ScriptProcessor != nullptr) ScriptProcessor(line.c_str());
}

void AssignHostString(HostString& target, const std::string& text) {
  FreeHostString(target);
  HGLOBAL block = GlobalAlloc(GMEM_FIXED, text.size() + 1);
  if (block == nullptr) return;  // the variable stays null
  char* p = static_cast<char*>(block);
  memcpy(p, text.c_str(), text.size() + 1);
  target = p;
}

void FreeHostString(HostString& target) {
  if (target != nullptr) GlobalFree(static_cast<HGLOBAL>(target));
  target = nullptr;
}

std::wstring AnsiToWide(std::string_view text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], length);
  return wide;
}

std::string WideToAnsi(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, &narrow[0], length, nullptr, nullptr);
  return narrow;
}

std::string LoadText(unsigned id) {
  // LoadStringW with a zero length hands back a pointer to the resource text
  // itself, so no text is ever cut at a buffer size; it is then turned into
  // the ANSI code page the host reads.
  const wchar_t* wide = nullptr;
  int n = LoadStringW(static_cast<HINSTANCE>(LibraryInstance), id, reinterpret_cast<LPWSTR>(&wide), 0);
  if (n <= 0 || wide == nullptr) return std::string();
  return WideToAnsi(std::wstring_view(wide, static_cast<size_t>(n)));
}

std::string SystemErrorText(uint32_t code) {
  char buffer[256];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                           nullptr, code, 0, buffer, sizeof buffer, nullptr);
  if (n > sizeof buffer) n = 0;
  while (n > 0 && (static_cast<unsigned char>(buffer[n - 1]) <= 32 || buffer[n - 1] == '.')) --n;
  return std::string(buffer, n);
}

void SetLastErrorText(const std::string& text) { SetVariable("LastError", text); }

void ReportSystemError(uint32_t code) { SetLastErrorText(SystemErrorText(code)); }

void ReportLastSystemError() { ReportSystemError(GetLastError()); }

void ReportFileNotExists(const std::string& fileName) {
  SetLastErrorText(FillFormat(LoadText(IDS_MSG_FILE_NOT_EXISTS), {fileName}));
}

void ReportPathNotExists(const std::string& path) {
  SetLastErrorText(FillFormat(LoadText(IDS_MSG_PATH_NOT_EXISTS), {path}));
}

void ReportInvalidArguments(const std::string& actionName) {
  SetLastErrorText(FillFormat(LoadText(IDS_MSG_INVALID_ARGUMENTS), {actionName}));
}

bool FileExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ReadWholeFile(const std::string& path, std::string& content, uint32_t& errorCode) {
  content.clear();
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    errorCode = GetLastError();
    return false;
  }
  bool ok = true;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(h, &size)) {
    ok = false;
  } else if (size.QuadPart > 0x7FFFFFF0) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    ok = false;
  } else {
    try {
      content.resize(static_cast<size_t>(size.QuadPart));
    } catch (...) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      ok = false;
    }
    size_t done = 0;
    while (ok && done < content.size()) {
      DWORD got = 0;
      if (!ReadFile(h, &content[done], static_cast<DWORD>(content.size() - done), &got, nullptr)) {
        ok = false;
      } else if (got == 0) {
        content.resize(done);  // the file shrank meanwhile
      } else {
        done += got;
      }
    }
  }
  if (!ok) {
    errorCode = GetLastError();
    content.clear();
  }
  CloseHandle(h);
  return ok;
}

std::string NewGuidText() {
  GUID guid{};
  CoCreateGuid(&guid);
  LPOLESTR wide = nullptr;
  std::string text;
  if (SUCCEEDED(StringFromCLSID(guid, &wide)) && wide != nullptr) {
    for (const wchar_t* p = wide; *p; ++p) text.push_back(static_cast<char>(*p));  // ASCII only
    CoTaskMemFree(wide);
  }
  return text;
}

std::string TempFilePath(const std::string& extension) {
  std::string guid = NewGuidText();
  char buffer[260 + 1] = {};
  GetTempPathA(260, buffer);
  buffer[260] = '\0';
  std::string folder(buffer);
  size_t cut = folder.find_last_of("\\:");
  folder = cut == std::string::npos ? std::string() : folder.substr(0, cut + 1);
  std::string path = folder + guid;
  if (!IsBlank(extension)) path += "." + extension;
  return path;
}

}  // namespace qp
