#pragma once
// Path rules of qpAddShortcut: the working folder taken from the target and
// the path of the shortcut file.

#include <string>
#include <string_view>

namespace qp {

// The target up to its last "\" or ":". A final "\" is dropped unless it
// directly follows ":" or another "\" or is the path's first character, so
// the folder of "C:\Tools\app.exe" is "C:\Tools", of "C:\app.exe" "C:\", of
// "\app.exe" "\"; a target without "\" or ":" gives the empty text.
std::string ShortcutTargetFolder(std::string_view target);

// The folder with one "\" appended unless it already ends in "\", then the
// name and ".lnk". Nothing is trimmed or checked.
std::string ShortcutFilePath(std::string_view folder, std::string_view name);

}  // namespace qp
