#include "actions/publication/UShortcutRules.h"

#include "core/UTextRules.h"

namespace qp {

std::string ShortcutTargetFolder(std::string_view target) {
  size_t last = target.find_last_of("\\:");
  if (last == std::string_view::npos) return std::string();
  std::string folder(target.substr(0, last + 1));
  // Keep the "\" of a root ("C:\", "\") and of a doubled "\\"; drop it after
  // an ordinary folder name.
  if (folder.size() >= 2 && folder.back() == '\\') {
    char before = folder[folder.size() - 2];
    if (before != ':' && before != '\\') folder.pop_back();
  }
  return folder;
}

std::string ShortcutFilePath(std::string_view folder, std::string_view name) {
  std::string withDelimiter(folder);
  if (withDelimiter.empty() || withDelimiter.back() != '\\') withDelimiter += '\\';
  return FillFormat("%s%s.lnk", {withDelimiter, name});
}

}  // namespace qp
