#include "actions/files/UFileRules.h"

#include "core/UTextRules.h"

namespace qp {

namespace {

struct WordCode {
  const char* word;
  unsigned code;
};

const WordCode kOperations[] = {
    {"FO_MOVE", 1}, {"FO_COPY", 2}, {"FO_DELETE", 3}, {"FO_RENAME", 4},
};

const WordCode kOptions[] = {
    {"FOF_ALLOWUNDO", 0x0040},
    {"FOF_FILESONLY", 0x0080},
    {"FOF_MULTIDESTFILES", 0x0001},
    {"FOF_NOCONFIRMATION", 0x0010},
    {"FOF_NOCONFIRMMKDIR", 0x0200},
    {"FOF_NO_CONNECTED_ELEMENTS", 0x2000},
    {"FOF_NOCOPYSECURITYATTRIBS", 0x0800},
    {"FOF_NOERRORUI", 0x0400},
    {"FOF_NORECURSION", 0x1000},
    {"FOF_NO_UI", 0x0614},  // silent, no confirmation, no error dialog, no folder confirmation
    {"FOF_RENAMEONCOLLISION", 0x0008},
    {"FOF_SILENT", 0x0004},
    {"FOF_SIMPLEPROGRESS", 0x0100},
};

// Indexed by the number GetDriveTypeA returns.
const char* const kDriveTypeWords[] = {
    "DRIVE_UNKNOWN", "DRIVE_NO_ROOT_DIR", "DRIVE_REMOVABLE", "DRIVE_FIXED",
    "DRIVE_REMOTE",  "DRIVE_CDROM",       "DRIVE_RAMDISK",
};
const unsigned kDriveTypeCount = sizeof kDriveTypeWords / sizeof kDriveTypeWords[0];
const unsigned kNoRootDir = 1;

}  // namespace

bool FileOperationCode(std::string_view word, unsigned& code) {
  for (const WordCode& op : kOperations) {
    if (word == op.word) {
      code = op.code;
      return true;
    }
  }
  return false;
}

uint16_t FileOperationFlags(std::string_view options) {
  unsigned flags = 0;
  for (const WordCode& option : kOptions) {
    if (options.find(option.word) != std::string_view::npos) flags |= option.code;
  }
  return static_cast<uint16_t>(flags);
}

std::string PathListBuffer(std::string_view list) {
  std::string buffer;
  for (const std::string& piece : SplitText("|", list)) {
    buffer += piece;
    buffer.push_back('\0');
  }
  buffer.push_back('\0');
  return buffer;
}

bool CleanDriveArgument(std::string_view argument, char& letter) {
  std::string kept;
  for (char c : TrimBlanks(argument)) {
    if (c != ':' && c != '\\') kept.push_back(c);
  }
  if (kept.size() != 1) return false;
  letter = kept[0];
  return true;
}

std::string DriveRoot(char letter) { return std::string(1, letter) + ":\\"; }

std::string DriveTypeWord(unsigned type) {
  return kDriveTypeWords[type < kDriveTypeCount ? type : 0];
}

bool SystemDrivesFilter(std::string_view word, bool& all, unsigned& type) {
  if (word == "DRIVE_ALL") {
    all = true;
    return true;
  }
  for (unsigned t = 0; t < kDriveTypeCount; ++t) {
    if (t != kNoRootDir && word == kDriveTypeWords[t]) {
      all = false;
      type = t;
      return true;
    }
  }
  return false;
}

std::string CleanTempExtension(std::string_view extension) {
  std::string cleaned;
  for (char c : extension) {
    if (c != '.') cleaned.push_back(c);
  }
  return cleaned;
}

}  // namespace qp
