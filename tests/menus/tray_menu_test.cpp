// The tray menu under Wine: its items as the real menu holds them, and what
// its commands do to the note table, the settings file and the layer, and
// the icon coming back after the shell restarts.
#include <gtest/gtest.h>

#include "notes/app/main_window.h"
#include "notes/app/main_window_ids.h"
#include "notes/input/command_ids.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

using Lines = std::vector<std::string>;

Lines TrayMenu(bool floating) {
  const std::string mark = floating ? " [x]" : "";
  return {"16 シアン付箋を作成(&C)",
          "17 マゼンタ付箋を作成(&M)",
          "18 イエロー付箋を作成(&Y)",
          "---",
          "26 常に手前に表示(&T)" + mark,
          "---",
          "27 設定(&P)...",
          "---",
          "28 バージョン情報(&A)...",
          "2 終了(&Q)"};
}

TEST(TrayMenu, FloatingToggleIsCheckedWrittenAndShownInTheNextMenu) {
  BoardHarness h(Ini({"[System]", "Floating=oN"}));
  Lines first, second, third;
  std::string afterFirstToggle;
  ASSERT_TRUE(h.Run({
      h.TrayCommand(kCmdFloating),
      h.Do([&] { first = MenuLines(h.lastMenu()); }),
      h.WaitUntil([&] { return h.IniValue("System", "Floating") == "Off"; }),
      h.TrayCommand(kCmdFloating),
      h.Do([&] { second = MenuLines(h.lastMenu()); }),
      h.Do([&] { afterFirstToggle = h.IniValue("System", "Floating"); }),
      h.TrayMenuDismissed(),
      h.Do([&] { third = MenuLines(h.lastMenu()); }),
  }));
  EXPECT_EQ(first, TrayMenu(true));
  EXPECT_EQ(second, TrayMenu(false));
  EXPECT_EQ(third, TrayMenu(true));
  EXPECT_EQ(afterFirstToggle, "On");
  EXPECT_EQ(h.IniValue("System", "Floating"), "On");
  // Each menu first takes the layer out of the foreground and hands it the
  // switch as it is after the command.
  const auto calls = h.LayerCalls();
  std::vector<std::string> floating;
  for (const std::string& call : calls) {
    if (call.rfind("_floating(", 0) == 0) floating.push_back(call);
  }
  EXPECT_EQ(floating, (Lines{"_floating(1)", "_floating(0)", "_floating(0)", "_floating(0)", "_floating(1)",
                             "_floating(0)", "_floating(1)"}));
}

TEST(TrayMenu, DismissedMenuRunsNothingButClosesProperly) {
  BoardHarness h(Ini({"[System]", "Floating=On"}));
  std::vector<std::string> calls;
  std::string iniBefore;
  int nulls = 0;
  ASSERT_TRUE(h.Run({
      h.ClearCalls(&iniBefore),
      h.TrayMenuDismissed(),
      h.WaitUntil([&] { return h.nullMessages() >= 1; }),
      h.Do([&] {
        calls = h.LayerCalls();
        nulls = h.nullMessages();
      }),
  }));
  EXPECT_EQ(calls, (std::vector<std::string>{"_floating(0)", "_floating(1)"}));
  EXPECT_EQ(nulls, 1);
  EXPECT_FALSE(IsMenu(h.lastMenuHandle())) << "the menu must be destroyed";
  EXPECT_EQ(ReadFileBytes(h.iniPath()), iniBefore) << "nothing written";
  EXPECT_FALSE(h.SavedNote(0).inUse);
}

TEST(TrayMenu, LeftClickRedrawsOtherTrayMessagesDoNothing) {
  BoardHarness h;
  std::vector<std::string> calls;
  ASSERT_TRUE(h.Run({
      h.ClearCalls(),
      h.Post(kTrayMessage, kTrayIconId, WM_MOUSEMOVE),
      h.Post(kTrayMessage, kTrayIconId, WM_RBUTTONDOWN),
      h.Post(kTrayMessage, kTrayIconId, WM_LBUTTONDBLCLK),
      h.Post(kTrayMessage, kTrayIconId, WM_LBUTTONUP),
      h.WaitUntil([&] { return HasCall(h.LayerCalls(), "_redraw()"); }),
      // Anything the other messages did would be queued before the redraw.
      h.Do([&] { calls = h.LayerCalls(); }),
  }));
  EXPECT_EQ(calls, (std::vector<std::string>{"_redraw()"}));
  EXPECT_EQ(h.nullMessages(), 0) << "no menu ran";
}

TEST(TrayMenu, CreateCommandsMakeCentredNotesOfEachColour) {
  BoardHarness h;
  std::vector<std::string> calls;
  std::vector<Note> notes;
  int32_t nextPriority = -1;
  ASSERT_TRUE(h.Run({
      h.ClearCalls(),
      h.TrayCommand(kCmdCreateCyan),
      h.TrayCommand(kCmdCreateMagenta),
      h.TrayCommand(kCmdCreateYellow),
      h.WaitUntil([&] { return h.SavedNote(2).inUse; }),
      h.Do([&] {
        calls = h.LayerCalls();
        for (int slot = 0; slot < 4; ++slot) notes.push_back(h.SavedNote(slot));
      }),
      // Read after the values above: the click gives its note a new priority.
      h.ClickNoteOfSlot(0, &nextPriority),
  }));
  for (int slot = 0; slot < 3; ++slot) {
    SCOPED_TRACE(slot);
    const Note& note = notes[slot];
    EXPECT_TRUE(note.inUse);
    EXPECT_EQ(note.type, slot);
    // 1024 x 768 desktop, default size 200 x 30.
    EXPECT_EQ(note.posX, 412);
    EXPECT_EQ(note.posY, 369);
    EXPECT_EQ(note.width, 200);
    EXPECT_EQ(note.priority, slot);
    EXPECT_EQ(note.fontName, "ＭＳ ゴシック");
    EXPECT_EQ(note.fontSize, 8);
  }
  EXPECT_FALSE(notes[3].inUse);
  EXPECT_EQ(nextPriority, 3);
  EXPECT_EQ(CountCalls(calls, "_create(412,369,0,0,"), 3);
  EXPECT_EQ(CountCalls(calls, "_redraw()"), 3);
  // The redraw follows the build; the switch comes back after both.
  std::vector<std::string> order;
  for (const std::string& call : calls) {
    if (call.rfind("_create(", 0) == 0 || call == "_redraw()" || call.rfind("_floating(", 0) == 0)
      order.push_back(call.substr(0, call.find('(')));
  }
  EXPECT_EQ(order, (std::vector<std::string>{"_floating", "_create", "_redraw", "_floating", "_floating", "_create",
                                             "_redraw", "_floating", "_floating", "_create", "_redraw", "_floating"}));
}

// After the shell restarts, its notification area is empty; the icon comes
// back when the shell announces itself with TaskbarCreated.
TEST(TrayIcon, ComesBackWhenTheShellRestarts) {
  BoardHarness h;
  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.uID = kTrayIconId;
  bool removed = false, back = false, backAgain = true;
  ASSERT_TRUE(h.Run({
      h.Do([&] {
        icon.hWnd = h.window();
        // What a new shell's notification area knows of the icon: nothing.
        removed = Shell_NotifyIconA(NIM_DELETE, &icon);
        SendMessageA(h.window(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
        back = Shell_NotifyIconA(NIM_DELETE, &icon);
        backAgain = Shell_NotifyIconA(NIM_DELETE, &icon);
      }),
  }));
  EXPECT_TRUE(removed);
  EXPECT_TRUE(back);
  EXPECT_FALSE(backAgain) << "the shell must tell a missing icon apart";
}

TEST(TrayMenu, QuitEndsTheProgramAfterTheMenuHasClosed) {
  BoardHarness h(Ini({"[System]", "Floating=On"}));
  ASSERT_TRUE(h.Run({
      h.ClearCalls(), h.TrayCommand(kCmdQuit), h.WaitUntil([] { return false; }),  // the board ends on its own
  }));
  EXPECT_FALSE(h.scriptCompleted());
  EXPECT_EQ(h.LayerCalls(), (std::vector<std::string>{"_floating(0)", "_floating(1)", "_unload()"}));
  EXPECT_FALSE(IsMenu(h.lastMenuHandle()));
}

}  // namespace
}  // namespace zettrella::testing
