#include "actions/publication/UClearVariablesRules.h"

#include <utility>

#include "core/UTextRules.h"

namespace qp {

std::vector<ClearItem> ParseClearItems(std::string_view list) {
  std::string commas(list);
  for (char& c : commas)
    if (c == '|') c = ',';
  std::vector<ClearItem> items;
  for (const std::string& piece : SplitText(",", commas)) {
    ClearItem item;
    item.text = TrimBlanks(piece);
    item.pattern = item.text.find('*') != std::string::npos;
    if (item.pattern) item.prefix = item.text.substr(0, item.text.size() - 1);
    items.push_back(std::move(item));
  }
  return items;
}

std::string SavedVariableName(std::string_view line) {
  size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string() : std::string(line.substr(0, eq));
}

bool NameHasPrefix(std::string_view name, std::string_view prefix) {
  return name.size() >= prefix.size() && name.compare(0, prefix.size(), prefix) == 0;
}

// The names and the path are inserted as they are: nothing is escaped.
std::string DefineVarLine(std::string_view name) {
  return FillFormat("DefineVar \"%s\" \"%s\" \"%s\" \"%s\" \"%s\"", {name, "Undefined", "", "Global", ""});
}

std::string ClearVariablesLine(std::string_view name) { return FillFormat("ClearVariables \"%s\"", {name}); }

std::string SaveVariablesLine(std::string_view path) { return FillFormat("SaveVariables \"%s\"", {path}); }

}  // namespace qp
