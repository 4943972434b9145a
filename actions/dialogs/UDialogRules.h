#pragma once
// The pure rules of the dialog actions: which option words switch on which
// dialog flags, the custom-colour slot texts, and how the file dialogs' texts
// (filter, initial folder, returned name buffer) are read and written. No
// Windows calls; the flag values are those of the Windows common dialogs.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qp {

// ---- Colour dialog -------------------------------------------------------

constexpr uint32_t kCcRgbInit = 0x1;
constexpr uint32_t kCcFullOpen = 0x2;
constexpr uint32_t kCcPreventFullOpen = 0x4;
constexpr uint32_t kCcEnableHook = 0x10;
constexpr uint32_t kCcSolidColor = 0x80;
constexpr uint32_t kCcAnyColor = 0x100;

// CC_RGBINIT | CC_ENABLEHOOK plus the flag of every option word ("cdFullOpen",
// "cdAnyColor", "cdSolidColor", "cdPreventFullOpen") occurring in the text.
uint32_t ColorDialogFlags(std::string_view options);

constexpr int kCustomColorCount = 16;
constexpr uint32_t kUnsetSlot = 0xFFFFFFFFu;

// A slot text: hexadecimal digits of either case, of which at most eight are
// significant, and nothing else. False (slot unset) for anything else.
bool TryReadSlotText(std::string_view text, uint32_t& value);
// Upper-case hexadecimal, zero-padded to at least six digits.
std::string SlotText(uint32_t value);

// ---- File dialogs --------------------------------------------------------

enum class FileDialogKind { Open, Save, OpenPicture, SavePicture };

constexpr uint32_t kOfnOverwritePrompt = 0x2;
constexpr uint32_t kOfnHideReadOnly = 0x4;
constexpr uint32_t kOfnNoChangeDir = 0x8;
constexpr uint32_t kOfnEnableHook = 0x20;
constexpr uint32_t kOfnEnableTemplateHandle = 0x80;
constexpr uint32_t kOfnNoValidate = 0x100;
constexpr uint32_t kOfnAllowMultiSelect = 0x200;
constexpr uint32_t kOfnPathMustExist = 0x800;
constexpr uint32_t kOfnFileMustExist = 0x1000;
constexpr uint32_t kOfnCreatePrompt = 0x2000;
constexpr uint32_t kOfnShareAware = 0x4000;
constexpr uint32_t kOfnNoReadOnlyReturn = 0x8000;
constexpr uint32_t kOfnNoTestFileCreate = 0x10000;
constexpr uint32_t kOfnNoNetworkButton = 0x20000;
constexpr uint32_t kOfnNoLongNames = 0x40000;
constexpr uint32_t kOfnExplorer = 0x80000;
constexpr uint32_t kOfnNoDereferenceLinks = 0x100000;
constexpr uint32_t kOfnEnableIncludeNotify = 0x400000;
constexpr uint32_t kOfnEnableSizing = 0x800000;
constexpr uint32_t kOfnDontAddToRecent = 0x2000000;
constexpr uint32_t kOfnForceShowHidden = 0x10000000;
constexpr uint32_t kOfnExNoPlacesBar = 0x1;

// Options of the newer system file dialog (FILEOPENDIALOGOPTIONS).
constexpr uint32_t kFosOverwritePrompt = 0x2;
constexpr uint32_t kFosNoChangeDir = 0x8;
constexpr uint32_t kFosForceFileSystem = 0x40;
constexpr uint32_t kFosNoValidate = 0x100;
constexpr uint32_t kFosAllowMultiSelect = 0x200;
constexpr uint32_t kFosPathMustExist = 0x800;
constexpr uint32_t kFosFileMustExist = 0x1000;
constexpr uint32_t kFosCreatePrompt = 0x2000;
constexpr uint32_t kFosShareAware = 0x4000;
constexpr uint32_t kFosNoReadOnlyReturn = 0x8000;
constexpr uint32_t kFosNoTestFileCreate = 0x10000;
constexpr uint32_t kFosHidePinnedPlaces = 0x40000;
constexpr uint32_t kFosNoDereferenceLinks = 0x100000;
constexpr uint32_t kFosDontAddToRecent = 0x2000000;
constexpr uint32_t kFosForceShowHidden = 0x10000000;

// The options the option words of one dialog kind switch on.
struct FileDialogOptions {
  uint32_t flags = 0;     // OPENFILENAME Flags for the classic dialog
  uint32_t flagsEx = 0;   // OPENFILENAME FlagsEx
  uint32_t newFlags = 0;  // options of the newer system dialog
  bool multiSelect = false;
  bool oldStyle = false;
};

// Starts from OFN_HIDEREADONLY | OFN_ENABLEHOOK (and OFN_EXPLORER unless
// "ofOldStyleDialog" is given) and adds the option of each word the kind
// accepts that occurs in the text (case-sensitive substring test). The newer
// dialog's set always asks for file-system paths.
FileDialogOptions ReadFileDialogOptions(FileDialogKind kind, std::string_view options);

// Description/mask pairs of a filter "desc|masks|desc|masks"; a trailing
// description without masks is dropped. The empty filter has no pairs.
std::vector<std::pair<std::string, std::string>> FilterPairs(std::string_view filter);
// The classic dialog's form of the pairs: each text followed by a zero byte,
// and one more zero byte at the end; empty when there are no pairs.
std::string ClassicFilter(std::string_view filter);

// The initial folder with one trailing backslash dropped, unless a colon
// precedes it ("C:\" keeps its backslash).
std::string InitialFolder(std::string_view folder);

// The full paths in a multi-selection name buffer: either one full path, or a
// folder followed by names. The Explorer-style dialog separates them by zero
// bytes and ends the list with two; the old-style one separates them by
// spaces and ends at the first zero byte.
std::vector<std::string> SelectedPaths(std::string_view buffer, bool explorer);

// The text of a zero-terminated buffer.
std::string BufferText(const char* buffer, size_t size);

}  // namespace qp
