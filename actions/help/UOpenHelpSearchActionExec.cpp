// qpOpenHelpSearch: shows a compiled help file at its search page.
#include "actions/UActionExecs.h"
#include "actions/help/UHelpActionFrame.h"
#include "actions/help/UHtmlHlp.h"

namespace qp {

bool OpenHelpSearchActionExec(const std::string& helpFile, const std::string& resultVar) {
  return RunHelpAction(helpFile, std::string(), resultVar,
                       [](const std::string& file, const std::string&) { return HtmlHelpDisplaySearch(file); });
}

}  // namespace qp
