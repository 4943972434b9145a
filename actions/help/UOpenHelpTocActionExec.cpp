// qpOpenHelpToc: shows a compiled help file at its table of contents.
#include "actions/UActionExecs.h"
#include "actions/help/UHelpActionFrame.h"
#include "actions/help/UHtmlHlp.h"

namespace qp {

bool OpenHelpTocActionExec(const std::string& helpFile, const std::string& resultVar) {
  return RunHelpAction(helpFile, std::string(), resultVar,
                       [](const std::string& file, const std::string&) { return HtmlHelpDisplayToc(file); });
}

}  // namespace qp
