#pragma once
// The pure rules of the file and drive actions: the operation and option
// words of qpFileOperation, the zero-separated path-list buffer the shell
// reads, the drive-argument clean-up and the drive-type words, and the
// extension clean-up of qpTempFilePath. No Windows calls.

#include <cstdint>
#include <string>
#include <string_view>

namespace qp {

// The shell operation code of an operation word ("FO_MOVE" 1, "FO_COPY" 2,
// "FO_DELETE" 3, "FO_RENAME" 4); whole text, case-sensitive, untrimmed.
// False for any other text.
bool FileOperationCode(std::string_view word, unsigned& code);

// The shell option flags of the option-words text: every known word that
// occurs anywhere in it (case-sensitive substring) adds its bits.
uint16_t FileOperationFlags(std::string_view options);

// The shell's path-list buffer of a "|"-separated list: every piece,
// untrimmed, followed by a zero byte, and one more zero byte at the end.
std::string PathListBuffer(std::string_view list);

// The drive argument of qpDriveType: trimmed of blanks, every ":" and "\"
// removed; valid when exactly one character remains, which goes to letter.
bool CleanDriveArgument(std::string_view argument, char& letter);

// The root of a drive: its character followed by ":\".
std::string DriveRoot(char letter);

// The word of a drive-type number ("DRIVE_UNKNOWN" ... "DRIVE_RAMDISK"); a
// number the system does not define reads as "DRIVE_UNKNOWN".
std::string DriveTypeWord(unsigned type);

// The filter of qpSystemDrives: "DRIVE_ALL" (all = true) or one of the six
// words of a real drive type (type set). "DRIVE_NO_ROOT_DIR" and any other
// text are refused.
bool SystemDrivesFilter(std::string_view word, bool& all, unsigned& type);

// The extension of qpTempFilePath with every "." removed.
std::string CleanTempExtension(std::string_view extension);

}  // namespace qp
