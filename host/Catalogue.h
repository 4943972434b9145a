#pragma once
// Prints a plug-in's declared catalogue by category.

#include <string>
#include <vector>

#include "host/PluginHost.h"

namespace bxhost {

// "text", "number", "variable" for the kinds 1, 3 and 6.
std::string KindWord(uint8_t kind);
// The kinds of a declaration as words joined by ", ", or "none".
std::string KindWords(const Declaration& d);

// Plain text: each category name, then one line per action:
// index, name, kinds, hint.
std::string CatalogueText(const std::vector<Declaration>& declarations);
// The same as Markdown: a title with the counts, then a heading and a table
// per category (the generated action reference, docs/actions.md).
std::string CatalogueMarkdown(const std::vector<Declaration>& declarations);

}  // namespace bxhost
