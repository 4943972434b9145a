#pragma once
// Reading of bxhost's script lines, with no Windows calls (built natively too).
//
// A line is a command name followed by its arguments, each in double quotes
// and separated from the name and from each other by blanks:
//
//   qpLeftStr "Hello, ""world""" "5" "Head"
//
// Inside an argument a doubled quote stands for one quote. After reading, a
// variable is referenced in an argument by its name in square brackets,
// "[Head]", and replaced by its value; "[[" stands for one literal "[" (a "]"
// on its own is always literal). A value put in is never read again, so a
// value holding brackets stays as it is.
//
// Blank lines and lines whose first non-blank character is "#" do nothing.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bxhost {

struct ScriptLine {
  std::string command;             // empty for a blank or comment line
  std::vector<std::string> args;   // as read: quotes undone, references not yet replaced
};

// Reads one line. False with a message (naming the column, counted from 1)
// when the line cannot be read; the message does not name file or line.
bool ReadScriptLine(std::string_view line, ScriptLine& out, std::string& error);

// Replaces every "[name]" in text by lookup(name) and every "[[" by "[".
// False with a message for a "[" without its "]", an empty name or a "["
// inside a name.
bool ExpandReferences(std::string_view text, const std::function<std::string(const std::string&)>& lookup,
                      std::string& out, std::string& error);

// Cuts a script file's content into lines: at LF, with a CR before the LF
// dropped and a lone CR ending a line too; a UTF-8 byte-order mark at the
// start is skipped. A final break adds no empty line.
std::vector<std::string> ScriptLines(std::string_view content);

// The argument in script form: in double quotes, every quote doubled (a "["
// is not escaped: the text is one a reader would take as written).
std::string QuoteArgument(std::string_view text);

// One line of a saved-variables file, "name=value". CR and LF in the value are
// written as the two characters "\r" and "\n", so every variable takes one
// line and nothing in a value can be taken for another variable's name (a
// backslash stays as it is: values are mostly Windows paths, and the file's
// reader takes only the names).
std::string SavedVariableLine(std::string_view name, std::string_view value);
// A name that a saved-variables file can hold: the reader takes the text
// before the first "=" as the name, so a name with "=", CR or LF cannot be
// written without being read back as another name.
bool IsSavableName(std::string_view name);

// Near match of a command name, for "did you mean" hints: equal ignoring case.
bool SameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace bxhost
