#include "actions/text/UStringSystem.h"

#include <windows.h>

#include "core/UUtilities.h"

namespace qp {

namespace {

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

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
  // Only a text that survives the round trip byte for byte is trimmed through
  // UTF-16; any other is trimmed on its bytes, so no byte inside it changes.
  const std::wstring wide = AnsiToWide(text);
  if (!wide.empty() && WideToAnsi(wide) == text) return WideToAnsi(TrimUnits<wchar_t>(wide, side));
  return TrimTextBytes(text, side, AnsiLeadBytes());
}

}  // namespace qp
