#include "actions/dialogs/UDialogRules.h"

#include <cstdio>

#include "core/UTextRules.h"

namespace qp {

namespace {

bool Contains(std::string_view text, const char* word) { return text.find(word) != std::string_view::npos; }

struct ColorWord {
  const char* word;
  uint32_t flag;
};
// In the order the words are tested; the order does not change the result.
constexpr ColorWord kColorWords[] = {
    {"cdFullOpen", kCcFullOpen},
    {"cdAnyColor", kCcAnyColor},
    {"cdSolidColor", kCcSolidColor},
    {"cdPreventFullOpen", kCcPreventFullOpen},
};

// Which dialogs accept a word.
enum Accept : unsigned { kOpen = 1, kSave = 2, kOpenPicture = 4, kSavePicture = 8 };
constexpr unsigned kAll = kOpen | kSave | kOpenPicture | kSavePicture;
constexpr unsigned kOpens = kOpen | kOpenPicture;

struct FileWord {
  const char* word;
  unsigned accepted;
  uint32_t flag;     // added to Flags
  uint32_t flagEx;   // added to FlagsEx
  uint32_t newFlag;  // counterpart of the newer dialog, 0 for none
};
// Every word, in the order tested. "ofOldStyleDialog" clears OFN_EXPLORER,
// which is handled apart.
constexpr FileWord kFileWords[] = {
    {"ofOverwritePrompt", kSave | kSavePicture, kOfnOverwritePrompt, 0, kFosOverwritePrompt},
    {"ofNoChangeDir", kAll, kOfnNoChangeDir, 0, kFosNoChangeDir},
    {"ofNoValidate", kAll, kOfnNoValidate, 0, kFosNoValidate},
    {"ofAllowMultiSelect", kOpens, kOfnAllowMultiSelect, 0, kFosAllowMultiSelect},
    {"ofPathMustExist", kOpens, kOfnPathMustExist, 0, kFosPathMustExist},
    {"ofFileMustExist", kOpens, kOfnFileMustExist, 0, kFosFileMustExist},
    {"ofCreatePrompt", kOpens, kOfnCreatePrompt, 0, kFosCreatePrompt},
    {"ofShareAware", kAll, kOfnShareAware, 0, kFosShareAware},
    {"ofNoReadOnlyReturn", kAll, kOfnNoReadOnlyReturn, 0, kFosNoReadOnlyReturn},
    {"ofNoTestFileCreate", kAll, kOfnNoTestFileCreate, 0, kFosNoTestFileCreate},
    {"ofNoNetworkButton", kAll, kOfnNoNetworkButton, 0, 0},
    {"ofNoLongNames", kAll, kOfnNoLongNames, 0, 0},
    {"ofOldStyleDialog", kAll, 0, 0, 0},
    {"ofNoDereferenceLinks", kAll, kOfnNoDereferenceLinks, 0, kFosNoDereferenceLinks},
    {"ofEnableIncludeNotify", kOpen, kOfnEnableIncludeNotify, 0, 0},
    {"ofEnableSizing", kSave | kSavePicture | kOpenPicture, kOfnEnableSizing, 0, 0},
    {"ofDontAddToRecent", kAll, kOfnDontAddToRecent, 0, kFosDontAddToRecent},
    {"ofForceShowHidden", kAll, kOfnForceShowHidden, 0, kFosForceShowHidden},
    {"ofExNoPlacesBar", kAll, 0, kOfnExNoPlacesBar, kFosHidePinnedPlaces},
};

unsigned KindBit(FileDialogKind kind) {
  switch (kind) {
    case FileDialogKind::Open: return kOpen;
    case FileDialogKind::Save: return kSave;
    case FileDialogKind::OpenPicture: return kOpenPicture;
    case FileDialogKind::SavePicture: return kSavePicture;
  }
  return 0;
}

}  // namespace

uint32_t ColorDialogFlags(std::string_view options) {
  uint32_t flags = kCcRgbInit | kCcEnableHook;
  for (const ColorWord& entry : kColorWords)
    if (Contains(options, entry.word)) flags |= entry.flag;
  return flags;
}

bool TryReadSlotText(std::string_view text, uint32_t& value) {
  if (text.empty()) return false;
  uint32_t result = 0;
  int significant = 0;
  for (char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return false;
    if (significant > 0 || digit != 0) ++significant;
    if (significant > 8) return false;
    result = result * 16u + static_cast<uint32_t>(digit);
  }
  value = result;
  return true;
}

std::string SlotText(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(value));
  return text;
}

FileDialogOptions ReadFileDialogOptions(FileDialogKind kind, std::string_view options) {
  FileDialogOptions result;
  result.flags = kOfnHideReadOnly | kOfnEnableHook;
  result.newFlags = kFosForceFileSystem;
  const unsigned bit = KindBit(kind);
  for (const FileWord& entry : kFileWords) {
    if ((entry.accepted & bit) == 0 || !Contains(options, entry.word)) continue;
    result.flags |= entry.flag;
    result.flagsEx |= entry.flagEx;
    result.newFlags |= entry.newFlag;
  }
  result.oldStyle = Contains(options, "ofOldStyleDialog");
  if (!result.oldStyle) result.flags |= kOfnExplorer;
  result.multiSelect = (result.flags & kOfnAllowMultiSelect) != 0;
  return result;
}

std::vector<std::pair<std::string, std::string>> FilterPairs(std::string_view filter) {
  std::vector<std::pair<std::string, std::string>> pairs;
  if (filter.empty()) return pairs;
  std::vector<std::string> pieces;
  size_t start = 0;
  while (true) {
    const size_t bar = filter.find('|', start);
    pieces.emplace_back(filter.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  for (size_t i = 0; i + 1 < pieces.size(); i += 2) pairs.emplace_back(pieces[i], pieces[i + 1]);
  return pairs;
}

std::string ClassicFilter(std::string_view filter) {
  std::string result;
  for (const auto& pair : FilterPairs(filter)) {
    result += pair.first;
    result += '\0';
    result += pair.second;
    result += '\0';
  }
  if (!result.empty()) result += '\0';
  return result;
}

std::string InitialFolder(std::string_view folder) {
  std::string result(folder);
  if (!result.empty() && result.back() == '\\' && !(result.size() >= 2 && result[result.size() - 2] == ':'))
    result.pop_back();
  return result;
}

std::vector<std::string> SelectedPaths(std::string_view buffer, bool explorer) {
  const char separator = explorer ? '\0' : ' ';
  const size_t end = explorer ? buffer.find(std::string_view("\0\0", 2)) : buffer.find('\0');
  if (end != std::string_view::npos) buffer = buffer.substr(0, end);
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= buffer.size()) {
    size_t stop = buffer.find(separator, start);
    if (stop == std::string_view::npos) stop = buffer.size();
    if (stop > start) parts.emplace_back(buffer.substr(start, stop - start));
    start = stop + 1;
  }
  std::vector<std::string> paths;
  if (parts.empty()) return paths;
  if (parts.size() == 1) {
    paths.push_back(parts[0]);
    return paths;
  }
  std::string folder = parts[0];
  if (folder.back() != '\\') folder += '\\';
  for (size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

std::string BufferText(const char* buffer, size_t size) {
  size_t n = 0;
  while (n < size && buffer[n] != '\0') ++n;
  return std::string(buffer, n);
}

}  // namespace qp
