// Display power and mouse cursor through the real DLL. The display request
// never reaches a window: SendMessageA is replaced by a recorder. The cursor's
// display counter is harmless to move, so one test uses the real ShowCursor.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/PluginFixture.h"

namespace qptest {
namespace {

struct SentMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<SentMessage> g_sent;
LRESULT g_answer = 0;

LRESULT WINAPI RecordSendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  g_sent.push_back({window, message, wParam, lParam});
  return g_answer;
}

std::vector<BOOL> g_showCursorArgs;
int WINAPI RecordShowCursor(BOOL show) {
  g_showCursorArgs.push_back(show);
  return show ? 0 : -1;
}

class DisplayTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    g_sent.clear();
    g_answer = 0;
    g_showCursorArgs.clear();
  }
};

TEST_F(DisplayTest, MonitorRequestCarriesThePowerStateAndJudgesTheAnswer) {
  Hook("user32.dll", "SendMessageA", &RecordSendMessageA);
  struct Case {
    uint32_t index;
    LPARAM state;  // 2 low power; -1 (all bits) on, never 1
  };
  for (const Case& c : {Case{52, 2}, Case{53, -1}}) {
    for (LRESULT answer : {LRESULT(0), LRESULT(1), LRESULT(-1)}) {
      SCOPED_TRACE(std::to_string(c.index) + " answered " + std::to_string(answer));
      g_sent.clear();
      g_answer = answer;
      host.variables["LastError"] = "earlier";
      host.ClearEvents();
      EXPECT_TRUE(Exec(c.index, {"R"}));
      ASSERT_EQ(g_sent.size(), 1u);
      EXPECT_EQ(g_sent[0].window, GetActiveWindow());
      EXPECT_EQ(g_sent[0].message, static_cast<UINT>(WM_SYSCOMMAND));
      EXPECT_EQ(g_sent[0].wParam, static_cast<WPARAM>(SC_MONITORPOWER));
      EXPECT_EQ(g_sent[0].lParam, c.state);
      EXPECT_EQ(host.Writes(), (Writes{{"R", answer == 0 ? "True" : "False"}})) << "LastError is never written";
    }
  }
}

TEST_F(DisplayTest, MonitorRequestGoesToTheHostsActiveWindow) {
  Hook("user32.dll", "SendMessageA", &RecordSendMessageA);
  HWND window = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOW);
  SetActiveWindow(window);
  ASSERT_EQ(GetActiveWindow(), window);
  EXPECT_TRUE(Exec(52, {"R"}));
  DestroyWindow(window);
  EXPECT_EQ(host.Writes(), (Writes{{"R", "True"}}));

  // Without an active window the request goes to window 0 and is judged by
  // its answer alone.
  ASSERT_EQ(GetActiveWindow(), nullptr);
  host.ClearEvents();
  EXPECT_TRUE(Exec(53, {" "}));
  ASSERT_EQ(g_sent.size(), 2u);
  EXPECT_EQ(g_sent[0].window, window);
  EXPECT_EQ(g_sent[1].window, nullptr);
  EXPECT_TRUE(host.Writes().empty()) << "a blank result variable is not written";
}

TEST_F(DisplayTest, CursorActionsPassFalseAndAllBitsTrueAndWriteNothing) {
  Hook("user32.dll", "ShowCursor", &RecordShowCursor);
  EXPECT_TRUE(Exec(21, {}));
  EXPECT_TRUE(Exec(22, {}));
  EXPECT_EQ(g_showCursorArgs, (std::vector<BOOL>{FALSE, -1}));
  EXPECT_TRUE(host.events.empty());
  // No argument list is read: a null one must do.
  EXPECT_TRUE(host.ExecActionRaw(21, nullptr));
  EXPECT_TRUE(host.ExecActionRaw(22, nullptr));
}

// The system's display counter, left as it was.
int CursorCounter() {
  ShowCursor(TRUE);
  return ShowCursor(FALSE);
}

TEST_F(DisplayTest, EachCursorActionMovesTheSystemCounterByOne) {
  const int start = CursorCounter();
  Exec(21, {});
  Exec(21, {});
  EXPECT_EQ(CursorCounter(), start - 2);
  Exec(22, {});
  EXPECT_EQ(CursorCounter(), start - 1) << "two hides need two shows";
  Exec(22, {});
  EXPECT_EQ(CursorCounter(), start);
  // A show without an earlier hide raises the counter; a later hide only
  // undoes it.
  Exec(22, {});
  EXPECT_EQ(CursorCounter(), start + 1);
  Exec(21, {});
  EXPECT_EQ(CursorCounter(), start);
}

}  // namespace
}  // namespace qptest
