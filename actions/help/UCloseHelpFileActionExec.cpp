// qpCloseHelpFile: closes every help window of the process. Once the help
// file exists the action succeeds, whatever HTML Help answers.
#include "actions/UActionExecs.h"
#include "actions/help/UHelpActionFrame.h"
#include "actions/help/UHtmlHlp.h"

namespace qp {

bool CloseHelpFileActionExec(const std::string& helpFile, const std::string& resultVar) {
  return RunHelpAction(helpFile, std::string(), resultVar, [](const std::string& file, const std::string&) {
    HtmlHelpCloseAll(file);
    return true;
  });
}

}  // namespace qp
