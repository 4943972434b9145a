// bxhost: loads a plug-in of the host interface and prints its catalogue or
// runs a script of action lines against it.
//
//   bxhost --list [--markdown] PLUGIN
//   bxhost [--vars] PLUGIN SCRIPT
//
// Exit status: 0 when the script ran to its end (actions that returned false
// included), 1 when the plug-in or the script could not be loaded or a line
// error stopped the script, 2 for a wrong command line.
#include <fcntl.h>
#include <io.h>
#include <ole2.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "host/Catalogue.h"
#include "host/PluginHost.h"
#include "host/ScriptRunner.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: bxhost --list [--markdown] PLUGIN\n"
               "       bxhost [--vars] PLUGIN SCRIPT\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool list = false, markdown = false, vars = false;
  std::string plugin, script;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--list") == 0) list = true;
    else if (std::strcmp(argv[i], "--markdown") == 0) markdown = true;
    else if (std::strcmp(argv[i], "--vars") == 0) vars = true;
    else if (argv[i][0] == '-' && argv[i][1] == '-') return Usage();
    else if (plugin.empty()) plugin = argv[i];
    else if (script.empty()) script = argv[i];
    else return Usage();
  }
  if (plugin.empty()) return Usage();
  if (list ? (!script.empty() || vars) : (script.empty() || markdown)) return Usage();

  // Line breaks are written as they are, so the output is the same on every
  // system (the generated reference is compared byte for byte). The plug-in's
  // texts are in the ANSI code page: show them so on a console.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(GetACP());
  // The plug-in relies on its host to have initialised COM on this thread.
  OleInitialize(nullptr);

  int status = 0;
  {
    bxhost::PluginHost host;
    std::string error;
    if (!host.Load(plugin, &error)) {
      std::fprintf(stderr, "bxhost: %s\n", error.c_str());
      OleUninitialize();
      return 1;
    }
    if (list) {
      host.RegisterPlugIn();
      std::string text =
          markdown ? bxhost::CatalogueMarkdown(host.declarations) : bxhost::CatalogueText(host.declarations);
      std::fwrite(text.data(), 1, text.size(), stdout);
    } else {
      host.InitPlugIn(0);
      host.RegisterPlugIn();
      host.RegisterScriptProcessor();
      host.RegisterInterfaceAccess(0);
      bxhost::ScriptRunner runner(host);
      if (!runner.RunFile(script)) status = 1;
      if (vars) {
        std::string text = runner.VariablesText();
        std::fwrite(text.data(), 1, text.size(), stdout);
      }
    }
    std::fflush(stdout);
  }
  OleUninitialize();
  return status;
}
