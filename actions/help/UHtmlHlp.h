#pragma once
// One wrapper per HTML Help command. Each passes the calling thread's active
// window as the owner of the help window; all but HtmlHelpCloseAll return
// true when HTML Help answered with a window.

#include <cstdint>
#include <string>

namespace qp {

bool HtmlHelpDisplayToc(const std::string& helpFile);
bool HtmlHelpDisplayIndex(const std::string& helpFile, const std::string& keyword);
bool HtmlHelpDisplaySearch(const std::string& helpFile);
// Shows the page helpFile + "::\" + topic.
bool HtmlHelpDisplayTopic(const std::string& helpFile, const std::string& topic);
bool HtmlHelpContext(const std::string& helpFile, int32_t context);
// Closes every help window of the process; its answer carries no meaning.
void HtmlHelpCloseAll(const std::string& helpFile);

}  // namespace qp
