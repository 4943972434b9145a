#pragma once
// Shared routines of the actions: variable reading and writing through the
// host callbacks, host-string ownership, the Boolean text, LastError and its
// message formats, the system error text, the file tests, whole-file reading
// and the temporary path. The pure text rules come along from UTextRules.h.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/BxConvention.h"
#include "core/UTextRules.h"

namespace qp {

extern const char* const kTrue;   // "True"
extern const char* const kFalse;  // "False"
inline const char* BoolText(bool value) { return value ? kTrue : kFalse; }

// Turns a host string into the plug-in's own text; null reads as empty.
inline std::string HostText(const char* s) { return s ? std::string(s) : std::string(); }

// Writes one publication variable through SetVarProc unless Name is blank.
void SetVariable(const std::string& name, const std::string& value);
// Writes the variable Name followed by the decimal Index, unless Name is blank.
void SetIndexedVariable(int32_t index, const std::string& name, const std::string& value);
// The current value of a publication variable (empty when the host has none).
std::string ReadVariable(const std::string& name);
// Hands one action line to the host's ScriptProcessor.
void RunHostLine(const std::string& line);

// Host-string ownership (global-memory blocks).
void AssignHostString(HostString& target, const std::string& text);
void FreeHostString(HostString& target);

// Text between the system's ANSI code page and UTF-16, whole (embedded zero
// bytes included); a text the system cannot convert gives the empty text.
std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);

// A text of the string table, loaded when used.
std::string LoadText(unsigned id);

// The system's message for a Windows error code, without its final line break
// and full stop; empty for a code the system has no message for.
std::string SystemErrorText(uint32_t code);

// LastError writers.
void SetLastErrorText(const std::string& text);
void ReportSystemError(uint32_t code);        // SystemErrorText(code)
void ReportLastSystemError();                 // SystemErrorText(GetLastError())
void ReportFileNotExists(const std::string& fileName);   // "The file \"%s\" not exists"
void ReportPathNotExists(const std::string& path);       // "The path \"%s\" not exists"
void ReportInvalidArguments(const std::string& actionName);  // "Invalid \"%s\" action arguments"

// File-exists test: attributes returned and no directory attribute.
bool FileExists(const std::string& path);
// Folder-exists test: attributes returned and the directory attribute set.
bool DirectoryExists(const std::string& path);

// Reads a whole file while denying other writers, and closes it again. On
// failure returns false and leaves the Windows error code in errorCode.
bool ReadWholeFile(const std::string& path, std::string& content, uint32_t& errorCode);

// A new file path in the system's temporary folder, not created on disk: the
// folder, a fresh GUID in registry form and, when the extension is not blank,
// "." and the extension untrimmed.
std::string TempFilePath(const std::string& extension);

// A fresh GUID in registry form ("{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}").
std::string NewGuidText();

}  // namespace qp
