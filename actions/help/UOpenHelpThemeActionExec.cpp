// qpOpenHelpTheme: shows one topic of a compiled help file, by its context
// number when the topic reads as an integer, otherwise by its page name.
#include <cstdint>

#include "actions/UActionExecs.h"
#include "actions/help/UHelpActionFrame.h"
#include "actions/help/UHtmlHlp.h"
#include "core/UTextRules.h"

namespace qp {

bool OpenHelpThemeActionExec(const std::string& helpFile, const std::string& topic, const std::string& resultVar) {
  return RunHelpAction(helpFile, topic, resultVar, [](const std::string& file, const std::string& theme) {
    int32_t context = 0;
    if (TryReadInteger(theme, context)) return HtmlHelpContext(file, context);
    return HtmlHelpDisplayTopic(file, theme);
  });
}

}  // namespace qp
