#include "host/PluginHost.h"

#include <cstring>

extern "C" {
uint32_t bx_call(void* fn, const uint32_t* args, uint32_t count, int32_t* stackDelta);
void bx_thunk_add_action();
void bx_thunk_get_var();
void bx_thunk_set_var();
void bx_thunk_script();

// stack[0] is the last argument, stack[n-1] the fourth.
uint32_t bx_on_add_action(uint32_t eax, uint32_t edx, uint32_t ecx, const uint32_t* stack) {
  if (bxhost::PluginHost* h = bxhost::CurrentHost())
    h->OnAddAction(static_cast<int32_t>(eax), reinterpret_cast<const char*>(edx), reinterpret_cast<const char*>(ecx),
                   reinterpret_cast<const uint8_t*>(stack[2]), static_cast<int32_t>(stack[1]),
                   static_cast<int32_t>(stack[0]));
  return 0;
}
uint32_t bx_on_get_var(uint32_t eax, uint32_t edx, uint32_t, const uint32_t*) {
  if (bxhost::PluginHost* h = bxhost::CurrentHost())
    h->OnGetVar(reinterpret_cast<const char*>(eax), reinterpret_cast<char**>(edx));
  return 0;
}
uint32_t bx_on_set_var(uint32_t eax, uint32_t edx, uint32_t, const uint32_t*) {
  if (bxhost::PluginHost* h = bxhost::CurrentHost())
    h->OnSetVar(reinterpret_cast<const char*>(eax), reinterpret_cast<const char*>(edx));
  return 0;
}
uint32_t bx_on_script(uint32_t eax, uint32_t, uint32_t, const uint32_t*) {
  if (bxhost::PluginHost* h = bxhost::CurrentHost()) h->OnScript(reinterpret_cast<const char*>(eax));
  return 0;
}
}

namespace bxhost {

namespace {
PluginHost* g_current = nullptr;

std::string Text(const char* s) { return s ? std::string(s) : std::string(); }

uint32_t U(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }
}  // namespace

PluginHost* CurrentHost() { return g_current; }
void* AddActionThunk() { return reinterpret_cast<void*>(&bx_thunk_add_action); }
void* GetVarThunk() { return reinterpret_cast<void*>(&bx_thunk_get_var); }
void* SetVarThunk() { return reinterpret_cast<void*>(&bx_thunk_set_var); }
void* ScriptThunk() { return reinterpret_cast<void*>(&bx_thunk_script); }

uint32_t CallRegister(void* fn, const std::vector<uint32_t>& args, int32_t* stackDelta) {
  return bx_call(fn, args.data(), static_cast<uint32_t>(args.size()), stackDelta);
}

PluginHost::PluginHost() : previous_(g_current) { g_current = this; }

PluginHost::~PluginHost() {
  Unload();
  g_current = previous_;
}

bool PluginHost::Load(const std::string& path, std::string* error) {
  Unload();
  module_ = LoadLibraryA(path.c_str());
  if (!module_) {
    if (error) *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  struct {
    const char* name;
    void** slot;
  } exports[] = {{"bxInitPlugIn", &init_},
                 {"bxRegisterPlugIn", &register_},
                 {"bxRegisterScriptProcessor", &registerScript_},
                 {"bxRegisterInterfaceAccess", &registerInterface_},
                 {"bxExecAction", &exec_},
                 {"bxMessage", &message_}};
  for (auto& e : exports) {
    *e.slot = reinterpret_cast<void*>(GetProcAddress(module_, e.name));
    if (!*e.slot) {
      if (error) *error = path + " does not export " + e.name;
      Unload();
      return false;
    }
  }
  return true;
}

void PluginHost::Unload() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
  init_ = register_ = registerScript_ = registerInterface_ = exec_ = message_ = nullptr;
}

uint32_t PluginHost::Call(void* fn, std::initializer_list<uint32_t> args) {
  int32_t delta = 0;
  uint32_t r = bx_call(fn, args.begin(), static_cast<uint32_t>(args.size()), &delta);
  if (delta != 0) ++stackFaults_;
  return r;
}

void PluginHost::InitPlugIn(uint32_t hostWindow, char** title, char** publisher, char** hint) {
  Call(init_, {hostWindow, U(title), U(publisher), U(hint)});
}

InitTexts PluginHost::InitPlugIn(uint32_t hostWindow) {
  char* t = nullptr;
  char* p = nullptr;
  char* h = nullptr;
  InitPlugIn(hostWindow, &t, &p, &h);
  InitTexts texts;
  texts.title = Text(t);
  texts.publisher = Text(p);
  texts.hint = Text(h);
  for (auto [block, size] : {std::pair{t, &texts.titleBlock}, {p, &texts.publisherBlock}, {h, &texts.hintBlock}}) {
    if (block) {
      *size = GlobalSize(static_cast<HGLOBAL>(block));
      GlobalFree(static_cast<HGLOBAL>(block));
    }
  }
  return texts;
}

void PluginHost::RegisterPlugIn(uint32_t extra) {
  RegisterPlugInRaw(AddActionThunk(), extra, GetVarThunk(), SetVarThunk());
}

void PluginHost::RegisterPlugInRaw(void* addAction, uint32_t extra, void* getVar, void* setVar) {
  declarations.clear();
  Call(register_, {U(addAction), extra, U(getVar), U(setVar)});
}

void PluginHost::RegisterScriptProcessor() { Call(registerScript_, {U(ScriptThunk())}); }

void PluginHost::RegisterInterfaceAccess(uint32_t value) { Call(registerInterface_, {value}); }

bool PluginHost::ExecActionRaw(uint32_t index, const char* const* args) {
  return (Call(exec_, {index, U(args)}) & 0xFF) != 0;
}

bool PluginHost::ExecAction(uint32_t index, const std::vector<std::string>& args) {
  std::vector<const char*> ptrs;
  for (const auto& a : args) ptrs.push_back(a.c_str());
  ptrs.push_back(nullptr);
  return ExecActionRaw(index, ptrs.data());
}

void PluginHost::Message(uint32_t a, uint32_t b, uint32_t c) { Call(message_, {a, b, c}); }

const Declaration* PluginHost::FindAction(const std::string& name) const {
  for (const auto& d : declarations)
    if (d.index != 0 && d.name == name) return &d;
  return nullptr;
}

bool PluginHost::ExecByName(const std::string& name, const std::vector<std::string>& args, std::string* error) {
  const Declaration* d = FindAction(name);
  if (!d) {
    if (error) *error = "unknown action " + name;
    return false;
  }
  return ExecAction(static_cast<uint32_t>(d->index), args);
}

std::vector<std::pair<std::string, std::string>> PluginHost::Writes() const {
  std::vector<std::pair<std::string, std::string>> w;
  for (const auto& e : events)
    if (e.kind == "set") w.emplace_back(e.name, e.value);
  return w;
}

std::vector<std::string> PluginHost::Lines() const {
  std::vector<std::string> l;
  for (const auto& e : events)
    if (e.kind == "line") l.push_back(e.name);
  return l;
}

std::string PluginHost::Var(const std::string& name) const {
  auto it = variables.find(name);
  return it == variables.end() ? std::string() : it->second;
}

void PluginHost::OnAddAction(int32_t index, const char* name, const char* hint, const uint8_t* kinds,
                             int32_t highIndex, int32_t count) {
  Declaration d;
  d.index = index;
  d.name = Text(name);
  d.hint = Text(hint);
  d.highIndex = highIndex;
  d.count = count;
  if (kinds && highIndex >= 0 && highIndex < 64) d.kinds.assign(kinds, kinds + highIndex + 1);
  declarations.push_back(std::move(d));
}

void PluginHost::OnGetVar(const char* name, char** value) {
  std::string n = Text(name);
  events.push_back({"get", n, ""});
  if (!value) return;
  std::string v;
  bool found;
  if (varReader) {
    found = varReader(n, v);
  } else {
    auto it = variables.find(n);
    found = it != variables.end();
    if (found) v = it->second;
  }
  if (!found) return;
  char* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, v.size() + 1));
  if (!block) return;
  memcpy(block, v.c_str(), v.size() + 1);
  ++blocksGiven;
  *value = block;
}

void PluginHost::OnSetVar(const char* name, const char* value) {
  std::string n = Text(name), v = Text(value);
  events.push_back({"set", n, v});
  variables[n] = v;
}

void PluginHost::OnScript(const char* line) {
  std::string l = Text(line);
  events.push_back({"line", l, ""});
  if (lineRunner) lineRunner(l);
}

}  // namespace bxhost
