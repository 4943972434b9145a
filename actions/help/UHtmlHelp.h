#pragma once
// The HTML Help entry point of hhctrl.ocx, imported by name, and the command
// numbers and search record it takes. Declared here rather than through the
// toolkit's header, which would link a static helper library instead of the
// plain import.

#include <windows.h>

#include <cstdint>

extern "C" HWND WINAPI HtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

namespace qp {

constexpr UINT HH_DISPLAY_TOPIC = 0x00;
constexpr UINT HH_DISPLAY_TOC = 0x01;
constexpr UINT HH_DISPLAY_INDEX = 0x02;
constexpr UINT HH_DISPLAY_SEARCH = 0x03;
constexpr UINT HH_HELP_CONTEXT = 0x0F;
constexpr UINT HH_CLOSE_ALL = 0x12;

constexpr int32_t HH_FTS_DEFAULT_PROXIMITY = -1;

// The full-text search record: eight 32-bit fields, 32 bytes.
struct HH_FTS_QUERY {
  int32_t cbStruct;
  BOOL fUniCodeStrings;
  LPCSTR pszSearchQuery;
  LONG iProximity;
  BOOL fStemmedSearch;
  BOOL fTitleOnly;
  BOOL fExecute;
  LPCSTR pszWindow;
};
static_assert(sizeof(HH_FTS_QUERY) == 32, "the search record has eight 32-bit fields");

}  // namespace qp
