#include "host/UScriptRules.h"

namespace bxhost {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string Column(size_t index) { return "column " + std::to_string(index + 1); }

}  // namespace

bool ReadScriptLine(std::string_view line, ScriptLine& out, std::string& error) {
  out = ScriptLine();
  size_t i = 0;
  const size_t n = line.size();
  while (i < n && IsBlank(line[i])) ++i;
  if (i == n || line[i] == '#') return true;

  if (line[i] == '"') {
    error = Column(i) + ": the line begins with an argument, not a command name";
    return false;
  }
  size_t start = i;
  while (i < n && !IsBlank(line[i]) && line[i] != '"') ++i;
  out.command.assign(line.substr(start, i - start));
  if (i < n && line[i] == '"') {
    error = Column(i) + ": a blank must separate the command name from its first argument";
    return false;
  }

  for (;;) {
    while (i < n && IsBlank(line[i])) ++i;
    if (i == n) return true;
    const size_t number = out.args.size() + 1;
    if (line[i] != '"') {
      error = Column(i) + ": argument " + std::to_string(number) + " is not in double quotes";
      return false;
    }
    const size_t open = i++;
    std::string arg;
    bool closed = false;
    while (i < n) {
      if (line[i] == '"') {
        if (i + 1 < n && line[i + 1] == '"') {
          arg += '"';
          i += 2;
          continue;
        }
        ++i;
        closed = true;
        break;
      }
      arg += line[i++];
    }
    if (!closed) {
      error = Column(open) + ": argument " + std::to_string(number) + " has no closing quote";
      return false;
    }
    if (i < n && !IsBlank(line[i])) {
      error = Column(i) + ": a blank must follow the closing quote of argument " + std::to_string(number);
      return false;
    }
    out.args.push_back(std::move(arg));
  }
}

bool ExpandReferences(std::string_view text, const std::function<std::string(const std::string&)>& lookup,
                      std::string& out, std::string& error) {
  out.clear();
  for (size_t i = 0; i < text.size();) {
    if (text[i] != '[') {
      out += text[i++];
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '[') {
      out += '[';
      i += 2;
      continue;
    }
    size_t close = text.find(']', i + 1);
    if (close == std::string_view::npos) {
      error = "the \"[\" at position " + std::to_string(i + 1) + " of the argument has no \"]\" (write \"[[\" for a literal \"[\")";
      return false;
    }
    std::string name(text.substr(i + 1, close - i - 1));
    if (name.empty()) {
      error = "empty variable name \"[]\" in the argument (write \"[[]\" for a literal \"[]\")";
      return false;
    }
    if (name.find('[') != std::string::npos) {
      error = "a \"[\" inside the variable reference \"[" + name + "]\" (write \"[[\" for a literal \"[\")";
      return false;
    }
    out += lookup ? lookup(name) : std::string();
    i = close + 1;
  }
  return true;
}

std::vector<std::string> ScriptLines(std::string_view content) {
  std::vector<std::string> lines;
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
  size_t i = 0;
  while (i < content.size()) {
    size_t end = content.find_first_of("\r\n", i);
    if (end == std::string_view::npos) {
      lines.emplace_back(content.substr(i));
      break;
    }
    lines.emplace_back(content.substr(i, end - i));
    i = end + 1;
    if (content[end] == '\r' && i < content.size() && content[i] == '\n') ++i;
  }
  return lines;
}

std::string QuoteArgument(std::string_view text) {
  std::string s = "\"";
  for (char c : text) {
    if (c == '"') s += '"';
    s += c;
  }
  return s + "\"";
}

std::string SavedVariableLine(std::string_view name, std::string_view value) {
  std::string s(name);
  s += '=';
  for (char c : value) {
    switch (c) {
      case '\r': s += "\\r"; break;
      case '\n': s += "\\n"; break;
      default: s += c;
    }
  }
  return s;
}

bool IsSavableName(std::string_view name) { return name.find_first_of("=\r\n") == std::string_view::npos; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace bxhost
