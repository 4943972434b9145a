#include "actions/help/UHtmlHlp.h"

#include <windows.h>

#include <cstring>

#include "actions/help/UHtmlHelp.h"

namespace qp {

namespace {

// The help window belongs to the host's active window at the time of the call.
HWND Call(const std::string& file, UINT command, DWORD_PTR data) {
  return HtmlHelpA(GetActiveWindow(), file.c_str(), command, data);
}

}  // namespace

bool HtmlHelpDisplayToc(const std::string& helpFile) { return Call(helpFile, HH_DISPLAY_TOC, 0) != nullptr; }

bool HtmlHelpDisplayIndex(const std::string& helpFile, const std::string& keyword) {
  // An empty keyword still goes as a text, never as a null pointer.
  return Call(helpFile, HH_DISPLAY_INDEX, reinterpret_cast<DWORD_PTR>(keyword.c_str())) != nullptr;
}

bool HtmlHelpDisplaySearch(const std::string& helpFile) {
  HH_FTS_QUERY query;
  std::memset(&query, 0, sizeof query);
  query.cbStruct = sizeof query;
  query.fUniCodeStrings = FALSE;
  query.pszSearchQuery = nullptr;  // no query text
  query.iProximity = HH_FTS_DEFAULT_PROXIMITY;
  query.fStemmedSearch = FALSE;
  query.fTitleOnly = FALSE;
  query.fExecute = FALSE;  // open the search page without starting a search
  query.pszWindow = nullptr;
  return Call(helpFile, HH_DISPLAY_SEARCH, reinterpret_cast<DWORD_PTR>(&query)) != nullptr;
}

bool HtmlHelpDisplayTopic(const std::string& helpFile, const std::string& topic) {
  bool shown = false;
  DWORD error = 0;
  {
    const std::string page = helpFile + "::\\" + topic;
    shown = Call(page, HH_DISPLAY_TOPIC, 0) != nullptr;
    error = GetLastError();
  }
  SetLastError(error);  // releasing the joined text must not hide HTML Help's code
  return shown;
}

bool HtmlHelpContext(const std::string& helpFile, int32_t context) {
  return Call(helpFile, HH_HELP_CONTEXT, static_cast<DWORD_PTR>(static_cast<uint32_t>(context))) != nullptr;
}

void HtmlHelpCloseAll(const std::string& helpFile) { Call(helpFile, HH_CLOSE_ALL, 0); }

}  // namespace qp
