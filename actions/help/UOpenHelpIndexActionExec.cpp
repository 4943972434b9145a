// qpOpenHelpIndex: shows a compiled help file at its index, at a keyword.
#include "actions/UActionExecs.h"
#include "actions/help/UHelpActionFrame.h"
#include "actions/help/UHtmlHlp.h"

namespace qp {

bool OpenHelpIndexActionExec(const std::string& helpFile, const std::string& keyword, const std::string& resultVar) {
  return RunHelpAction(helpFile, keyword, resultVar, [](const std::string& file, const std::string& word) {
    return HtmlHelpDisplayIndex(file, word);
  });
}

}  // namespace qp
