#pragma once
// Runs scripts of action lines against a loaded plug-in (see UScriptRules.h
// for how a line is written). The commands:
//
//   every action the plug-in declared, by name, with its declared number of
//   arguments; an action that returns false is reported and the script goes on;
//   SetVar "name" "value"         sets a variable;
//   Print "text"                  prints the text and a line break;
//   DefineVar "name" "type" "value" "scope" "description"
//                                 defines a variable: one not yet defined gets
//                                 the value, a defined one keeps its own;
//   ClearVariables "name"         removes the variable;
//   SaveVariables "path"          writes every variable as a name=value line.
//
// While it runs, the runner is the host's line runner: lines the plug-in sends
// through ScriptProcessor run through the same interpreter, nested or not.
// A line that cannot be read, an unknown command or a wrong argument count
// stops the script (for a line the plug-in sent: once the action that sent it
// has returned, since the plug-in cannot be unwound from inside a callback).

#include <functional>
#include <string>

#include "host/PluginHost.h"
#include "host/UScriptRules.h"

namespace bxhost {

class ScriptRunner {
 public:
  explicit ScriptRunner(PluginHost& host);
  ~ScriptRunner();
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  // Runs the script file; false when it could not be read or a line error
  // stopped it (the message is in Error() and has been sent to err).
  bool RunFile(const std::string& path);
  // Runs a script given as text; name stands for the file in messages.
  bool RunText(const std::string& name, const std::string& text);

  const std::string& Error() const { return error_; }
  int FalseActions() const { return falseActions_; }
  int HostFailures() const { return hostFailures_; }

  // Every variable as name=value lines, in name order, values written as in a
  // saved-variables file.
  std::string VariablesText() const;

  // Where Print output and reports go; by default standard output and
  // standard error (standard output is flushed before each report so that the
  // two keep their order on a terminal).
  std::function<void(const std::string&)> out;
  std::function<void(const std::string&)> err;

  // How deeply plug-in-sent lines may nest (a line file that runs itself).
  static constexpr int kMaxDepth = 32;

 private:
  struct Location {
    std::string file;
    size_t line = 0;
    bool sent = false;        // a line the plug-in sent through ScriptProcessor
    std::string text;         // the sent line, for the message
  };

  void RunLine(const std::string& text, const Location& where);
  void OnSentLine(const std::string& line);
  void Stop(const Location& where, const std::string& message);
  void Report(const Location& where, const std::string& message);
  std::string Where(const Location& where) const;
  bool SaveVariables(const std::string& path, std::string& problem);

  PluginHost& host_;
  std::function<void(const std::string&)> previousRunner_;
  Location current_;      // the script line running now
  int depth_ = 0;
  bool stopped_ = false;
  std::string error_;
  int falseActions_ = 0;
  int hostFailures_ = 0;
};

}  // namespace bxhost
