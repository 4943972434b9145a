// bxhost: loads a plug-in of the host interface and prints its catalogue.
//
//   bxhost --list [--markdown] PLUGIN
#include <cstdio>
#include <cstring>
#include <string>

#include "host/Catalogue.h"
#include "host/PluginHost.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: bxhost --list [--markdown] PLUGIN\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool list = false, markdown = false;
  std::string plugin;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--list") == 0) list = true;
    else if (std::strcmp(argv[i], "--markdown") == 0) markdown = true;
    else if (argv[i][0] == '-') return Usage();
    else if (plugin.empty()) plugin = argv[i];
    else return Usage();
  }
  if (!list || plugin.empty()) return Usage();

  bxhost::PluginHost host;
  std::string error;
  if (!host.Load(plugin, &error)) {
    std::fprintf(stderr, "bxhost: %s\n", error.c_str());
    return 1;
  }
  host.RegisterPlugIn();
  std::string text = markdown ? bxhost::CatalogueMarkdown(host.declarations) : bxhost::CatalogueText(host.declarations);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
