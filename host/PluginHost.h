#pragma once
// The host's side of the plug-in interface: loads a plug-in library, calls its
// six exports through hand-written register-convention thunks, and plays the
// host's part of every callback (declarations, variables, action lines).
// Strings cross the boundary as the interface fixes: blocks handed to the
// plug-in by GetVarProc come from GlobalAlloc, the plug-in frees them; the
// blocks bxInitPlugIn returns are the host's to free with GlobalFree.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bxhost {

struct Declaration {
  int32_t index = 0;
  std::string name;
  std::string hint;
  std::vector<uint8_t> kinds;  // highIndex + 1 bytes as the plug-in gave them
  int32_t highIndex = 0;
  int32_t count = 0;
};

struct InitTexts {
  std::string title, publisher, hint;
  size_t titleBlock = 0, publisherBlock = 0, hintBlock = 0;  // GlobalSize of each block
};

// One callback as the plug-in made it, in order: "get", "set" or "line".
struct CallbackEvent {
  std::string kind;
  std::string name;   // variable name, or the line
  std::string value;  // value written (set)
};

class PluginHost {
 public:
  PluginHost();
  ~PluginHost();
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  // LoadLibrary and look up the six exports. False with a message on failure.
  bool Load(const std::string& path, std::string* error = nullptr);
  void Unload();
  HMODULE Module() const { return module_; }

  // The exports. Each checks that the plug-in removed exactly the stack
  // arguments the convention says; a mismatch is counted in StackFaults().
  void InitPlugIn(uint32_t hostWindow, char** title, char** publisher, char** hint);
  InitTexts InitPlugIn(uint32_t hostWindow = 0);  // fresh variables, blocks freed here
  void RegisterPlugIn(uint32_t extra = 0);         // hands over this host's callbacks
  void RegisterPlugInRaw(void* addAction, uint32_t extra, void* getVar, void* setVar);
  void RegisterScriptProcessor();
  void RegisterInterfaceAccess(uint32_t value);
  bool ExecAction(uint32_t index, const std::vector<std::string>& args);
  bool ExecActionRaw(uint32_t index, const char* const* args);
  void Message(uint32_t a = 0, uint32_t b = 0, uint32_t c = 0);

  // Runs an action by its declared name with the given arguments.
  bool ExecByName(const std::string& name, const std::vector<std::string>& args, std::string* error = nullptr);
  const Declaration* FindAction(const std::string& name) const;

  int StackFaults() const { return stackFaults_; }

  // What the plug-in declared, in order (cleared by each RegisterPlugIn).
  std::vector<Declaration> declarations;
  // The publication's variables.
  std::map<std::string, std::string> variables;
  // Every GetVarProc / SetVarProc / ScriptProcessor call, in order.
  std::vector<CallbackEvent> events;
  // Runs a host action line handed to ScriptProcessor. The default records
  // nothing beyond the event; a runner may call back into the plug-in.
  std::function<void(const std::string& line)> lineRunner;
  // When set, answers GetVarProc instead of the variable map: return false to
  // leave the plug-in's variable null.
  std::function<bool(const std::string& name, std::string& value)> varReader;

  // Global-memory blocks this host gave to the plug-in through GetVarProc.
  int blocksGiven = 0;

  // Writes recorded since the last ClearEvents(), as name=value pairs.
  std::vector<std::pair<std::string, std::string>> Writes() const;
  std::vector<std::string> Lines() const;
  void ClearEvents() { events.clear(); }
  std::string Var(const std::string& name) const;
  bool HasVar(const std::string& name) const { return variables.count(name) != 0; }

  // Callback handlers (called from the thunks).
  void OnAddAction(int32_t index, const char* name, const char* hint, const uint8_t* kinds, int32_t highIndex,
                   int32_t count);
  void OnGetVar(const char* name, char** value);
  void OnSetVar(const char* name, const char* value);
  void OnScript(const char* line);

 private:
  uint32_t Call(void* fn, std::initializer_list<uint32_t> args);

  HMODULE module_ = nullptr;
  void* init_ = nullptr;
  void* register_ = nullptr;
  void* registerScript_ = nullptr;
  void* registerInterface_ = nullptr;
  void* exec_ = nullptr;
  void* message_ = nullptr;
  int stackFaults_ = 0;
  PluginHost* previous_ = nullptr;
};

// The host whose callbacks the thunks reach: the most recently constructed
// PluginHost that is still alive.
PluginHost* CurrentHost();

// Addresses of the callback thunks, for tests that register them by hand.
void* AddActionThunk();
void* GetVarThunk();
void* SetVarThunk();
void* ScriptThunk();

// Calls a register-convention function directly (used by convention tests).
uint32_t CallRegister(void* fn, const std::vector<uint32_t>& args, int32_t* stackDelta);

}  // namespace bxhost
