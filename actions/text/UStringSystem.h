#pragma once
// The system side of the Strings actions: the ANSI code page's lead bytes,
// the locale-aware comparison of the user's default locale and trimming
// through UTF-16. The rules themselves are in UStringRules.

#include <string>
#include <string_view>

#include "actions/text/UStringRules.h"

namespace qp {

// The lead-byte test of the ANSI code page, or null when that code page has
// single-byte characters only.
LeadBytePredicate AnsiLeadBytes();

// Whether CompareStringA with LOCALE_USER_DEFAULT and no flags reports the
// two texts equal. Two empty texts are equal.
bool LocaleEqual(std::string_view a, std::string_view b);

// Converts the text from the ANSI code page to UTF-16, trims the code units
// of 32 or less from the chosen ends and converts back. A text that does not
// come back byte for byte from that trip (bytes the code page does not map)
// is trimmed on its bytes instead, so that no inner byte is altered.
std::string TrimAnsiText(const std::string& text, TrimSide side);

}  // namespace qp
