#include "host/Catalogue.h"

namespace bxhost {

std::string KindWord(uint8_t kind) {
  switch (kind) {
    case 1: return "text";
    case 3: return "number";
    case 6: return "variable";
    default: return "kind " + std::to_string(kind);
  }
}

std::string KindWords(const Declaration& d) {
  if (d.count == 0) return "none";
  std::string s;
  for (int i = 0; i < d.count && i < static_cast<int>(d.kinds.size()); ++i) {
    if (!s.empty()) s += ", ";
    s += KindWord(d.kinds[i]);
  }
  return s;
}

std::string CatalogueText(const std::vector<Declaration>& declarations) {
  std::string out;
  int categories = 0, actions = 0;
  for (const auto& d : declarations) {
    if (d.index == 0) {
      if (categories++) out += "\n";
      out += d.name + "\n";
    } else {
      ++actions;
      out += "  " + std::to_string(d.index) + "  " + d.name + " (" + KindWords(d) + ")\n      " + d.hint + "\n";
    }
  }
  out += "\n" + std::to_string(categories) + " categories, " + std::to_string(actions) + " actions\n";
  return out;
}

std::string CatalogueMarkdown(const std::vector<Declaration>& declarations) {
  int categories = 0, actions = 0;
  for (const auto& d : declarations) (d.index == 0 ? categories : actions)++;
  std::string out = std::to_string(actions) + " actions in " + std::to_string(categories) +
                    " categories, as the plug-in declares them. Parameters are given by kind, in order: "
                    "text, number (an integer), variable (the name of a variable the action writes).\n";
  for (const auto& d : declarations) {
    if (d.index == 0) {
      out += "\n### " + d.name + "\n\n| # | Action | Parameters | Hint |\n|---|---|---|---|\n";
    } else {
      std::string hint = d.hint;
      for (size_t p = 0; (p = hint.find('|', p)) != std::string::npos; p += 2) hint.replace(p, 1, "\\|");
      out += "| " + std::to_string(d.index) + " | `" + d.name + "` | " + KindWords(d) + " | " + hint + " |\n";
    }
  }
  return out;
}

}  // namespace bxhost
