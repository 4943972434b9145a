// The ClearVariables list and lines: one item per piece of the list with "|"
// read as ",", each item trimmed, a pattern exactly when it holds "*", its
// prefix the item without the last character; the saved line's name is the
// text before its first "="; the prefix test is a plain byte prefix; and the
// three host lines are their formats with the text put in unchanged.
#include "actions/publication/UClearVariablesRules.h"
#include "core/UTextRules.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);

  std::string commas(text);
  for (char& c : commas)
    if (c == '|') c = ',';
  const auto pieces = qp::SplitText(",", commas);
  const auto items = qp::ParseClearItems(text);
  FUZZ_CHECK(items.size() == pieces.size());
  for (size_t i = 0; i < items.size(); ++i) {
    const qp::ClearItem& item = items[i];
    FUZZ_CHECK(item.text == qp::TrimBlanks(pieces[i]));
    FUZZ_CHECK(item.pattern == (item.text.find('*') != std::string::npos));
    if (item.pattern) FUZZ_CHECK(item.prefix == item.text.substr(0, item.text.size() - 1));
  }

  const std::string name = qp::SavedVariableName(text);
  FUZZ_CHECK(name.find('=') == std::string::npos);
  FUZZ_CHECK(text.substr(0, name.size()) == name);
  // A line without "=" has the empty name.
  if (text.find('=') == std::string_view::npos) FUZZ_CHECK(name.empty());
  else FUZZ_CHECK(text[name.size()] == '=');

  const std::string_view half = text.substr(0, text.size() / 2);
  FUZZ_CHECK(qp::NameHasPrefix(text, half));
  FUZZ_CHECK(qp::NameHasPrefix(text, ""));
  FUZZ_CHECK(qp::NameHasPrefix(half, text) == (half.size() == text.size()));

  const std::string t(text);
  FUZZ_CHECK(qp::ClearVariablesLine(text) == "ClearVariables \"" + t + "\"");
  FUZZ_CHECK(qp::DefineVarLine(text) == "DefineVar \"" + t + "\" \"Undefined\" \"\" \"Global\" \"\"");
  FUZZ_CHECK(qp::SaveVariablesLine(text) == "SaveVariables \"" + t + "\"");
  return 0;
}
