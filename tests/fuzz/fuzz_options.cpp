// The option-word readers and the other dialog and file rules. Words are
// found as substrings, so adding text can only add flags: flags(a + b) holds
// flags(a) and flags(b); every word present sets its flag and nothing sets an
// unknown bit. Exact-word readers accept only their words. The zero-separated
// buffers keep one entry per piece and end as the shell expects.
#include <algorithm>

#include "actions/dialogs/UDialogRules.h"
#include "actions/files/UFileRules.h"
#include "core/UTextRules.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

bool Has(std::string_view text, std::string_view word) { return text.find(word) != std::string_view::npos; }

void CheckUnion(uint32_t whole, uint32_t a, uint32_t b) { FUZZ_CHECK((whole & (a | b)) == (a | b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const std::string_view a = text.substr(0, text.size() / 2), b = text.substr(text.size() / 2);

  // Colour dialog.
  const uint32_t color = qp::ColorDialogFlags(text);
  FUZZ_CHECK((color & (qp::kCcRgbInit | qp::kCcEnableHook)) == (qp::kCcRgbInit | qp::kCcEnableHook));
  FUZZ_CHECK((color & ~uint32_t{0x1 | 0x2 | 0x4 | 0x10 | 0x80 | 0x100}) == 0);
  FUZZ_CHECK(((color & qp::kCcFullOpen) != 0) == Has(text, "cdFullOpen"));
  FUZZ_CHECK(((color & qp::kCcAnyColor) != 0) == Has(text, "cdAnyColor"));
  FUZZ_CHECK(((color & qp::kCcSolidColor) != 0) == Has(text, "cdSolidColor"));
  FUZZ_CHECK(((color & qp::kCcPreventFullOpen) != 0) == Has(text, "cdPreventFullOpen"));
  CheckUnion(color, qp::ColorDialogFlags(a), qp::ColorDialogFlags(b));

  // File dialogs: every kind; the Explorer bit is the one a word takes away.
  for (auto kind : {qp::FileDialogKind::Open, qp::FileDialogKind::Save, qp::FileDialogKind::OpenPicture,
                    qp::FileDialogKind::SavePicture}) {
    const qp::FileDialogOptions whole = qp::ReadFileDialogOptions(kind, text);
    FUZZ_CHECK((whole.flags & (qp::kOfnHideReadOnly | qp::kOfnEnableHook)) == (qp::kOfnHideReadOnly | qp::kOfnEnableHook));
    FUZZ_CHECK(((whole.flags & qp::kOfnExplorer) != 0) == !whole.oldStyle);
    FUZZ_CHECK(whole.multiSelect == ((whole.flags & qp::kOfnAllowMultiSelect) != 0));
    FUZZ_CHECK((whole.newFlags & qp::kFosForceFileSystem) != 0);
    const qp::FileDialogOptions left = qp::ReadFileDialogOptions(kind, a), right = qp::ReadFileDialogOptions(kind, b);
    CheckUnion(whole.flags & ~qp::kOfnExplorer, left.flags & ~qp::kOfnExplorer, right.flags & ~qp::kOfnExplorer);
    CheckUnion(whole.flagsEx, left.flagsEx, right.flagsEx);
    CheckUnion(whole.newFlags, left.newFlags, right.newFlags);
  }

  // File operation words and options.
  unsigned code = 99;
  const bool known = qp::FileOperationCode(text, code);
  FUZZ_CHECK(known == (text == "FO_MOVE" || text == "FO_COPY" || text == "FO_DELETE" || text == "FO_RENAME"));
  if (known) FUZZ_CHECK(code >= 1 && code <= 4);
  CheckUnion(qp::FileOperationFlags(text), qp::FileOperationFlags(a), qp::FileOperationFlags(b));

  // Path-list buffer: one zero-terminated entry per piece, then one more zero.
  const std::string buffer = qp::PathListBuffer(text);
  FUZZ_CHECK(buffer.size() >= 2 && buffer[buffer.size() - 1] == '\0' && buffer[buffer.size() - 2] == '\0');
  if (text.find('\0') == std::string_view::npos) {
    FUZZ_CHECK(static_cast<size_t>(std::count(buffer.begin(), buffer.end(), '\0')) == qp::SplitText("|", text).size() + 1);
  }

  // Drives.
  char letter = 0;
  if (qp::CleanDriveArgument(text, letter)) {
    // Trimming comes before the removal, so ": \" leaves a blank letter.
    FUZZ_CHECK(letter != ':' && letter != '\\');
    FUZZ_CHECK(qp::DriveRoot(letter) == std::string(1, letter) + ":\\");
  }
  bool all = false;
  unsigned type = 0;
  if (qp::SystemDrivesFilter(text, all, type)) FUZZ_CHECK(all ? text == "DRIVE_ALL" : qp::DriveTypeWord(type) == text);
  FUZZ_CHECK(qp::CleanTempExtension(text).find('.') == std::string::npos);

  // Filters and the folder.
  const auto pairs = qp::FilterPairs(text);
  const std::string classic = qp::ClassicFilter(text);
  if (pairs.empty()) FUZZ_CHECK(classic.empty());
  else FUZZ_CHECK(classic.size() >= 2 && classic.back() == '\0' && classic[classic.size() - 2] == '\0');
  FUZZ_CHECK(qp::InitialFolder(text).size() + 1 >= text.size() && text.substr(0, qp::InitialFolder(text).size()) == qp::InitialFolder(text));

  // Custom-colour slot texts.
  uint32_t slot = 0;
  if (qp::TryReadSlotText(text, slot)) {
    uint32_t again = 0;
    FUZZ_CHECK(qp::TryReadSlotText(qp::SlotText(slot), again) && again == slot);
  }
  for (bool explorer : {true, false})
    for (const std::string& path : qp::SelectedPaths(text, explorer)) FUZZ_CHECK(path.size() <= text.size() * 2 + 1);
  return 0;
}
