#include "actions/text/UStringSystem.h"

#include <windows.h>

namespace qp {

namespace {

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

std::string WideToAnsi(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, &text[0], length, nullptr, nullptr);
  return text;
}

}  // namespace

LeadBytePredicate AnsiLeadBytes() {
  CPINFO info{};
  if (GetCPInfo(CP_ACP, &info) && info.MaxCharSize <= 1) return nullptr;
  return &IsAnsiLeadByte;
}

bool LocaleEqual(std::string_view a, std::string_view b) {
  if (a.empty() && b.empty()) return true;
  return CompareStringA(LOCALE_USER_DEFAULT, 0, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}

std::string TrimAnsiText(const std::string& text, TrimSide side) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (length > 0) {
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], length);
    if (WideToAnsi(wide) == text) return WideToAnsi(TrimUnits<wchar_t>(wide, side));
  }
  return TrimTextBytes(text, side, AnsiLeadBytes());
}

}  // namespace qp
