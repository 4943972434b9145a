#pragma once
// The pure part of qpClearVariables: reading the list of names and patterns,
// the name of a saved-variables line, the prefix test, and the three host
// lines the action composes.

#include <string>
#include <string_view>
#include <vector>

namespace qp {

// One trimmed item of the list. A pattern is an item containing "*"; its
// prefix is the item without its last character, whatever that is.
struct ClearItem {
  std::string text;
  bool pattern = false;
  std::string prefix;
};

// The items of the list: "|" and "," both separate; every item is trimmed of
// characters of code 32 or less; empty items are kept.
std::vector<ClearItem> ParseClearItems(std::string_view list);

// The variable name of a saved "name=value" line: the text before the first
// "=", untrimmed; the empty name when the line has no "=".
std::string SavedVariableName(std::string_view line);

// Byte-wise, case-sensitive prefix test; the empty prefix matches every name.
bool NameHasPrefix(std::string_view name, std::string_view prefix);

// DefineVar "<name>" "Undefined" "" "Global" ""
std::string DefineVarLine(std::string_view name);
// ClearVariables "<name>"
std::string ClearVariablesLine(std::string_view name);
// SaveVariables "<path>"
std::string SaveVariablesLine(std::string_view path);

}  // namespace qp
