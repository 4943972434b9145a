// The test host's script reader: arguments written in script form are read
// back unchanged; whatever a line that reads holds survives being written out
// and read again; references expand to the looked-up text and leave a text
// without "[" alone; script lines never hold a line break; and a saved
// variable with a savable name takes one line whose name reads back.
#include <algorithm>

#include "host/UScriptRules.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

std::string WriteLine(const bxhost::ScriptLine& line) {
  std::string out = line.command;
  for (const std::string& arg : line.args) out += " " + bxhost::QuoteArgument(arg);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  std::string error;

  // Any text as the arguments of a command.
  bxhost::ScriptLine made;
  made.command = "qpCommand";
  for (size_t at = 0, next; at <= text.size(); at = next + 1) {
    next = std::min(text.find('\x01', at), text.size());
    made.args.emplace_back(text.substr(at, next - at));
  }
  bxhost::ScriptLine read;
  FUZZ_CHECK(bxhost::ReadScriptLine(WriteLine(made), read, error));
  FUZZ_CHECK(read.command == made.command && read.args == made.args);

  // The text as a line of its own.
  if (bxhost::ReadScriptLine(text, read, error) && !read.command.empty()) {
    bxhost::ScriptLine again;
    FUZZ_CHECK(bxhost::ReadScriptLine(WriteLine(read), again, error));
    FUZZ_CHECK(again.command == read.command && again.args == read.args);
  }

  std::string expanded;
  const bool ok = bxhost::ExpandReferences(text, [](const std::string& name) { return "<" + name + ">"; }, expanded, error);
  if (text.find('[') == std::string_view::npos) FUZZ_CHECK(ok && expanded == text);

  for (const std::string& line : bxhost::ScriptLines(text)) FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);

  const std::string_view name = text.substr(0, text.size() / 3), value = text.substr(text.size() / 3);
  const std::string saved = bxhost::SavedVariableLine(name, value);
  if (bxhost::IsSavableName(name)) {
    FUZZ_CHECK(saved.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(saved.substr(0, saved.find('=')) == name);
  }
  return 0;
}
