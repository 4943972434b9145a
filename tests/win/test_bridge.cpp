// The host bridge through the real DLL: the exports and their convention, the
// catalogue as the host records it, dispatch, the variable routines and the
// system error text.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/win/PluginFixture.h"

namespace qptest {
namespace {

struct Expected {
  int32_t index;
  const char* name;
  const char* hint;
  std::vector<uint8_t> kinds;
};

// The catalogue in declaration order: category headers (index 0) and actions.
const std::vector<Expected>& ExpectedCatalogue() {
  static const std::vector<Expected> catalogue = {
    {0, "Strings", "", {}},
    {1, "qpStartsStr", "Find if a text begin with another text.", {1, 1, 6}},
    {2, "qpEndsStr", "Find if a text end with another text.", {1, 1, 6}},
    {3, "qpQuotedStr", "Returns the given string as a quoted string.", {1, 1, 6}},
    {4, "qpDequotedStr", "Returns the given string as a dequoted string.", {1, 1, 6}},
    {5, "qpDupeStr", "Return N copies of the given string.", {1, 3, 6}},
    {6, "qpReverseStr", "Simply reverses the given string.", {1, 6}},
    {7, "qpLeftStr", "Return certain chars begining from the left of a string.", {1, 3, 6}},
    {8, "qpRightStr", "Return certain chars begining from the right of a string.", {1, 3, 6}},
    {9, "qpMidStr", "Return certain chars begining from some start to some count of a string.", {1, 3, 3, 6}},
    {10, "qpTrimStr", "Trims leading and trailing spaces and control characters from the given string.", {1, 6}},
    {11, "qpTrimLeftStr", "Trims leading and trailing spaces and control characters from left of the given string.", {1, 6}},
    {12, "qpTrimRightStr", "Trims leading and trailing spaces and control characters from right of the given string.", {1, 6}},
    {13, "qpGUIDStr", "Get a new Global Unique Identifier string.", {6}},
    {14, "qpRandomFromStr", "Get a random string from various values separated by the \"|\" char.", {1, 6}},
    {15, "qpIfThenStr", "Check a value and set the result variable to one string when its true or another string when its false.", {1, 1, 1, 6}},
    {16, "qpIfAppendStr", "Append a string to another if this last not contain yet the append string at the end.", {1, 1, 6}},
    {17, "qpIfPrependStr", "Prepend a string to another if this last not contain yet the prepend string at the begin.", {1, 1, 6}},
    {18, "qpUrlEncode", "Encode a string to be use safely on an URL.", {1, 6}},
    {19, "qpUrlDecode", "Decode a previously encoded URL string.", {1, 6}},
    {0, "Publication", "", {}},
    {20, "qpSetVar", "Enhance the native SetVar Brevix action.", {1, 1, 1}},
    {21, "qpHideCursor", "Just hide the mouse cursor.", {}},
    {22, "qpShowCursor", "Just show the mouse cursor (when previously has been hidden).", {}},
    {23, "qpExecAction", "Execute one Brevix action from a string prototype.", {1}},
    {24, "qpExecActions", "Execute one Brevix actions from a file containin string prototypes (one per line).", {1}},
    {25, "qpAddShortcut", "Add a Windows shell link or shorcut to any folder or file.", {1, 1, 1, 1, 1, 6}},
    {26, "qpClearVariables", "Clear one or more than one (even all) Brevix publication variables, also previously defined variables.", {1}},
    {0, "Publication Help", "", {}},
    {27, "qpOpenHelpToc", "Open a CHM help file within the help TOC.", {1, 6}},
    {28, "qpOpenHelpIndex", "Open a CHM help file within the help index.", {1, 1, 6}},
    {29, "qpOpenHelpSearch", "Open a CHM help file within the help search.", {1, 6}},
    {30, "qpOpenHelpTheme", "Open a CHM help file within the a specific theme.", {1, 1, 6}},
    {31, "qpCloseHelpFile", "Close a previously openned CHM help file.", {1, 6}},
    {0, "Dialogs", "", {}},
    {32, "qpFontDialog", "Show the standard Windows dialog to choose a font and store in the result variable the choosed font in a Brevix reusable format.", {1, 6}},
    {33, "qpColorDialog", "Show the standard Windows dialog to choose a color and store in the result variable the choosed color in a Brevix reusable format (RGB).", {1, 1, 6, 6}},
    {34, "qpOpenFileDialog", "Show the standard Windows dialog to allow the user to select one or more files.", {1, 1, 1, 3, 1, 1, 1, 6}},
    {35, "qpSaveFileDialog", "Show the standard Windows dialog to allow the user to select a file place.", {1, 1, 1, 3, 1, 1, 1, 6}},
    {36, "qpOpenImageDialog", "Show the standard Windows dialog to allow the user to select one or more image files.", {1, 1, 1, 3, 1, 1, 1, 6}},
    {37, "qpSaveImageDialog", "Show the standard Windows dialog to allow the user to select a image file place.", {1, 1, 1, 3, 1, 1, 1, 6}},
    {0, "System", "", {}},
    {38, "qpLogOff", "Shuts down all processes running in the logon session. Then it logs the user off.", {1, 6}},
    {39, "qpPowerOff", "Shuts down the system and turns off the power. The system must support the power-off feature.", {1, 6}},
    {40, "qpReboot", "Shuts down the system and then restarts the system.", {1, 6}},
    {41, "qpRestart", "Shuts down the system and then restarts it, as well as any applications that have been registered for restart.", {1, 6}},
    {42, "qpShutdown", "Shuts down the system to a point at which it is safe to turn off the power. All file buffers have been flushed to disk, and all running processes have stopped.", {1, 6}},
    {43, "qpSuspend", "Suspends the system by shutting power down. The system enters in a suspend (sleep) state.", {6}},
    {44, "qpHibernate", "Suspends the system by shutting power down. The system enters in a hibernate state.", {6}},
    {45, "qpCanSuspend", "Find if the system can be suspend or not.", {6}},
    {46, "qpCanPowerOff", "Find if the system can be power off or not.", {6}},
    {47, "qpCanHibernate", "Find if the system can be hibernate or not.", {6}},
    {48, "qpErrorMessage", "Retrieve a system error message from their code number.", {3, 6}},
    {0, "Graphics", "", {}},
    {49, "qpActiveShot", "Take a bitmap shot of the currently active window.", {1, 6}},
    {50, "qpHandleShot", "Take a bitmap shot of a window by the specified window handle.", {1, 3, 6}},
    {51, "qpScreenShot", "Take a bitmap shot of the entirely screen.", {1, 6}},
    {0, "Monitor", "", {}},
    {52, "qpMonitorOff", "Sets the state of the display to low power.", {6}},
    {53, "qpMonitorOn", "Sets the state of the display to powering on.", {6}},
    {0, "Files", "", {}},
    {54, "qpFileSize", "Retrieve the size (in bytes) of an existing file.", {1, 6}},
    {55, "qpDriveType", "Determine the type of a system drive unit.", {1, 6}},
    {56, "qpFileOperation", "Perform a file operation on the system. Copy, move, rename or delete one or more files or directories.", {1, 1, 1, 1, 1, 6}},
    {57, "qpTempFilePath", "Get a unique temporal file path with or without some specific extension.", {1, 6}},
    {58, "qpSystemDrives", "Get certain types or all availables system drives units.", {1, 6, 6}},
    {59, "qpFileLongPath", "Converts the specified path to its long form.", {1, 6}},
    {60, "qpFileShortPath", "Retrieves the short path form of the specified path.", {1, 6}},
  };
  return catalogue;
}

using BridgeTest = PluginTest;

TEST_F(BridgeTest, DeclaresTheWholeCatalogueFieldByField) {
  host.RegisterPlugIn();
  const auto& expected = ExpectedCatalogue();
  ASSERT_EQ(host.declarations.size(), 68u);
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("declaration " + std::to_string(i + 1));
    const auto& d = host.declarations[i];
    const auto& e = expected[i];
    EXPECT_EQ(d.index, e.index);
    EXPECT_EQ(d.name, e.name);
    EXPECT_EQ(d.hint, e.hint);
    int32_t count = static_cast<int32_t>(e.kinds.size());
    EXPECT_EQ(d.count, count);
    EXPECT_EQ(d.highIndex, count ? count - 1 : 0);
    std::vector<uint8_t> kinds = e.kinds.empty() ? std::vector<uint8_t>{0} : e.kinds;
    EXPECT_EQ(d.kinds, kinds);
  }
  std::vector<size_t> headers;
  for (size_t i = 0; i < host.declarations.size(); ++i)
    if (host.declarations[i].index == 0) headers.push_back(i + 1);
  EXPECT_EQ(headers, (std::vector<size_t>{1, 21, 29, 35, 42, 54, 58, 61}));
}

TEST_F(BridgeTest, SecondRegistrationDeclaresTheSameCatalogueAgain) {
  auto first = host.declarations;
  host.RegisterPlugIn();
  ASSERT_EQ(host.declarations.size(), first.size());
  for (size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(host.declarations[i].index, first[i].index);
    EXPECT_EQ(host.declarations[i].name, first[i].name);
    EXPECT_EQ(host.declarations[i].kinds, first[i].kinds);
  }
}

TEST_F(BridgeTest, InitPlugInHandsOverTheThreeTextsAsGlobalBlocks) {
  bxhost::InitTexts t = host.InitPlugIn(0x1234);
  EXPECT_EQ(t.title, "qpUtil");
  EXPECT_EQ(t.hint,
            "This plugin contain a miscellanea collection of useful actions that cannot be missing on your "
            "publications. Deal with strings, make shortcuts, extend Brevix dialogs, etc.");
  EXPECT_FALSE(t.publisher.empty());
  EXPECT_EQ(t.titleBlock, 7u);
  EXPECT_EQ(t.publisherBlock, t.publisher.size() + 1);
  EXPECT_EQ(t.hintBlock, t.hint.size() + 1);
}

std::vector<HGLOBAL> g_freed;
HGLOBAL WINAPI RecordGlobalFree(HGLOBAL block) {
  g_freed.push_back(block);
  return GlobalFree(block);
}

TEST_F(BridgeTest, RepeatedInitPlugInReleasesThePreviousBlocksFirst) {
  g_freed.clear();
  Hook("kernel32.dll", "GlobalFree", &RecordGlobalFree);
  char* title = nullptr;
  char* publisher = nullptr;
  char* hint = nullptr;
  host.InitPlugIn(0, &title, &publisher, &hint);
  ASSERT_TRUE(title && publisher && hint);
  EXPECT_TRUE(g_freed.empty()) << "null variables hold nothing to release";
  std::vector<HGLOBAL> old = {hint, title, publisher};
  host.InitPlugIn(0, &title, &publisher, &hint);
  EXPECT_EQ(g_freed, old) << "each old block is released before its new one is stored";
  EXPECT_STREQ(title, "qpUtil");
  for (char* p : {title, publisher, hint}) GlobalFree(static_cast<HGLOBAL>(p));
}

TEST_F(BridgeTest, OutOfRangeIndexesReturnFalseWithoutAnyCallback) {
  const char* args[8] = {"a", "b", "c", "d", "e", "f", "g", "h"};
  for (uint32_t index : {0u, 61u, 100u, 0x80000000u, 4294967295u}) {
    SCOPED_TRACE(index);
    EXPECT_FALSE(host.ExecActionRaw(index, args));
  }
  EXPECT_TRUE(host.events.empty());
}

TEST_F(BridgeTest, MessageReadsNothingAndKeepsTheStack) {
  host.Message(1, 2, 3);
  EXPECT_EQ(host.StackFaults(), 0);
  EXPECT_TRUE(host.events.empty());
}

TEST(ConventionTest, ThunksDetectACalleeThatRemovesTheWrongAmount) {
  // A stdcall function with one stack argument removes 4 bytes; called as if it
  // had none, the thunk must notice.
  struct Local {
    static uint32_t __attribute__((regparm(3), stdcall)) Sum(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
      return a * 1000 + b * 100 + c * 10 + d;
    }
  };
  int32_t delta = 99;
  EXPECT_EQ(bxhost::CallRegister(reinterpret_cast<void*>(&Local::Sum), {1, 2, 3, 4}, &delta), 1234u);
  EXPECT_EQ(delta, 0);
  bxhost::CallRegister(reinterpret_cast<void*>(&Local::Sum), {1, 2, 3}, &delta);
  EXPECT_NE(delta, 0);
}

}  // namespace
}  // namespace qptest
