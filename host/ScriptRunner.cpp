#include "host/ScriptRunner.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace bxhost {

namespace {

struct HostCommand {
  const char* name;
  size_t arguments;
  const char* form;
};

const HostCommand kHostCommands[] = {
    {"SetVar", 2, "SetVar \"name\" \"value\""},
    {"Print", 1, "Print \"text\""},
    {"DefineVar", 5, "DefineVar \"name\" \"type\" \"value\" \"scope\" \"description\""},
    {"ClearVariables", 1, "ClearVariables \"name\""},
    {"SaveVariables", 1, "SaveVariables \"path\""},
};

const HostCommand* FindHostCommand(const std::string& name) {
  for (const auto& c : kHostCommands)
    if (name == c.name) return &c;
  return nullptr;
}

std::string Arguments(size_t n) { return std::to_string(n) + (n == 1 ? " argument" : " arguments"); }

}  // namespace

ScriptRunner::ScriptRunner(PluginHost& host) : host_(host), previousRunner_(host.lineRunner) {
  out = [](const std::string& s) {
    std::fwrite(s.data(), 1, s.size(), stdout);
  };
  err = [](const std::string& s) {
    std::fflush(stdout);
    std::fwrite(s.data(), 1, s.size(), stderr);
    std::fflush(stderr);
  };
  host_.lineRunner = [this](const std::string& line) { OnSentLine(line); };
}

ScriptRunner::~ScriptRunner() { host_.lineRunner = previousRunner_; }

bool ScriptRunner::RunFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error_ = "bxhost: cannot read the script " + path;
    err(error_ + "\n");
    return false;
  }
  std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return RunText(path, content);
}

bool ScriptRunner::RunText(const std::string& name, const std::string& text) {
  stopped_ = false;
  error_.clear();
  std::vector<std::string> lines = ScriptLines(text);
  for (size_t i = 0; i < lines.size() && !stopped_; ++i) {
    current_ = Location{name, i + 1, false, ""};
    RunLine(lines[i], current_);
  }
  return !stopped_;
}

std::string ScriptRunner::Where(const Location& where) const {
  std::string s = where.file + ":" + std::to_string(where.line) + ": ";
  if (where.sent) s += "in the line the plug-in sent, " + QuoteArgument(where.text) + ": ";
  return s;
}

void ScriptRunner::Stop(const Location& where, const std::string& message) {
  if (stopped_) return;
  stopped_ = true;
  error_ = Where(where) + message;
  err(error_ + "\n" + where.file + ":" + std::to_string(where.line) + ": the script stops here\n");
}

void ScriptRunner::Report(const Location& where, const std::string& message) { err(Where(where) + message + "\n"); }

void ScriptRunner::OnSentLine(const std::string& line) {
  if (stopped_) return;  // the script is stopping: the plug-in's further lines run no more
  Location where{current_.file, current_.line, true, line};
  if (depth_ >= kMaxDepth) {
    Stop(where, "lines sent by the plug-in nest more than " + std::to_string(kMaxDepth) +
                    " deep (a line file that runs itself?)");
    return;
  }
  ++depth_;
  RunLine(line, where);
  --depth_;
}

void ScriptRunner::RunLine(const std::string& text, const Location& where) {
  ScriptLine line;
  std::string problem;
  if (!ReadScriptLine(text, line, problem)) {
    Stop(where, "cannot read the line: " + problem);
    return;
  }
  if (line.command.empty()) return;

  std::vector<std::string> args;
  auto lookup = [this](const std::string& name) { return host_.Var(name); };
  for (size_t i = 0; i < line.args.size(); ++i) {
    std::string expanded;
    if (!ExpandReferences(line.args[i], lookup, expanded, problem)) {
      Stop(where, "argument " + std::to_string(i + 1) + ": " + problem);
      return;
    }
    args.push_back(std::move(expanded));
  }

  const std::string& name = line.command;
  if (const HostCommand* c = FindHostCommand(name)) {
    if (args.size() != c->arguments) {
      Stop(where, name + " takes " + Arguments(c->arguments) + " (" + c->form + "), the line gives " +
                      std::to_string(args.size()));
      return;
    }
    if (name == "SetVar") {
      host_.variables[args[0]] = args[1];
    } else if (name == "Print") {
      out(args[0] + "\n");
    } else if (name == "DefineVar") {
      host_.variables.emplace(args[0], args[2]);
    } else if (name == "ClearVariables") {
      host_.variables.erase(args[0]);
    } else if (name == "SaveVariables") {
      if (!SaveVariables(args[0], problem)) {
        ++hostFailures_;
        Report(where, "SaveVariables failed: " + problem);
      }
    }
    return;
  }

  const Declaration* d = host_.FindAction(name);
  if (!d) {
    std::string hint;
    for (const auto& c : kHostCommands)
      if (SameIgnoringCase(c.name, name)) hint = c.name;
    for (const auto& a : host_.declarations)
      if (a.index != 0 && SameIgnoringCase(a.name, name)) hint = a.name;
    Stop(where, "unknown command " + name + (hint.empty() ? "" : " (did you mean " + hint + "?)"));
    return;
  }
  if (args.size() != static_cast<size_t>(d->count)) {
    Stop(where, name + " takes " + Arguments(static_cast<size_t>(d->count)) + ", the line gives " +
                    std::to_string(args.size()));
    return;
  }
  const size_t mark = host_.events.size();
  if (!host_.ExecAction(static_cast<uint32_t>(d->index), args)) {
    ++falseActions_;
    std::string lastError;
    bool wrote = false;
    for (size_t i = mark; i < host_.events.size(); ++i) {
      const CallbackEvent& e = host_.events[i];
      if (e.kind == "set" && e.name == "LastError") {
        lastError = e.value;
        wrote = true;
      }
    }
    Report(where, name + " returned false" + (wrote ? "; LastError: " + lastError : std::string()));
  }
}

bool ScriptRunner::SaveVariables(const std::string& path, std::string& problem) {
  std::string content;
  std::string skipped;
  for (const auto& [name, value] : host_.variables) {
    if (!IsSavableName(name)) {
      skipped += (skipped.empty() ? "" : ", ") + QuoteArgument(name);
      continue;
    }
    content += SavedVariableLine(name, value) + "\r\n";
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) {
    problem = "cannot write " + path;
    return false;
  }
  file.write(content.data(), static_cast<std::streamsize>(content.size()));
  file.close();
  if (!file) {
    problem = "cannot write " + path;
    return false;
  }
  if (!skipped.empty()) {
    problem = "left out the variables " + skipped + ": a name with \"=\" or a line break cannot be saved";
    return false;
  }
  return true;
}

std::string ScriptRunner::VariablesText() const {
  std::string s;
  for (const auto& [name, value] : host_.variables) s += SavedVariableLine(name, value) + "\n";
  return s;
}

}  // namespace bxhost
