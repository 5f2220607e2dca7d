// A double click on a note opens its edit dialog; OK rebuilds the note.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "common/protocol.h"
#include "resources/zettrella_res.h"
#include "tests/support/zettrella_run.h"

namespace zettrella::testing {
namespace {

using Calls = std::vector<std::string>;

// The edit dialog of the running program, once it is open.
HWND WaitForEditDialog(const ZettrellaRun& run) {
  HWND found = nullptr;
  PumpUntil([&] { return (found = FindDialog(run.process().Id(), nullptr, {run.window()})) != nullptr; });
  return found;
}

// Sends a double click and answers the edit dialog it opens: OK after
// setting the text when text is given, Cancel otherwise. Returns the layer
// calls made meanwhile.
Calls DoubleClickAndAnswer(ZettrellaRun& run, int id, const char* text) {
  run.Mark();
  LRESULT answer = 0;
  // The record's handler runs the dialog before it returns.
  std::thread sender([&] { answer = run.Send(Record(kEventLButtonDoubleClick, id, 5, 5), 60000); });
  HWND dialog = WaitForEditDialog(run);
  EXPECT_NE(dialog, nullptr);
  if (dialog) {
    if (text) {
      HWND edit = GetDlgItem(dialog, IDC_EDIT_TEXT);
      EXPECT_NE(edit, nullptr);
      SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(text ? IDOK : IDCANCEL, BN_CLICKED), 0);
  }
  sender.join();
  EXPECT_EQ(answer, 1);
  return run.NewCalls();
}

const char kFloatingNotes[] =
    "[System]\r\nTrayDelay=0\r\nFloating=On\r\n"
    "[Husen1]\r\nID=0\r\nPriority=0\r\nPosX=50\r\nPosY=60\r\nText=a\r\n"
    "[Husen2]\r\nID=1\r\nPriority=1\r\nPosX=300\r\nPosY=400\r\nText=b\r\n";

TEST(PointerDoubleClick, CancelLeavesTheNoteAsItWas) {
  ZettrellaRun run(kFloatingNotes);
  ASSERT_TRUE(run.Start());
  const std::string before = run.IniBytes();
  EXPECT_EQ(DoubleClickAndAnswer(run, 101, nullptr), (Calls{"_floating(0)", "_floating(1)"}));
  EXPECT_EQ(run.IniBytes(), before);
  // The note still answers to its id.
  run.Mark();
  EXPECT_EQ(run.Send(Record(kEventLButtonDown, 101, 0, 0)), 1);
  EXPECT_EQ(run.NewCalls(), Calls{"_set_priority(101,2)"});
}

TEST(PointerDoubleClick, OkRebuildsTheNoteWithItsPriorityAndANewId) {
  ZettrellaRun run(kFloatingNotes);
  ASSERT_TRUE(run.Start());
  // A drag of the note is under way when it is rebuilt.
  run.Send(Record(kEventLButtonDown, 100, 10, 10));  // priority 2
  const Calls calls = DoubleClickAndAnswer(run, 100, "edited");
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls.front(), "_floating(0)");
  EXPECT_EQ(calls.back(), "_floating(1)");
  const std::vector<std::string> build = BuildAt(calls);
  EXPECT_EQ(CallsNamed(build, "_delete("), Calls{"_delete(100)"});
  EXPECT_EQ(CallsNamed(build, "_delete_bitmap("), Calls{"_delete_bitmap(1000)"});
  EXPECT_EQ(CallsNamed(build, "_create("), Calls{"_create(50,60,0,0,2)=102"});
  EXPECT_EQ(CallsNamed(build, "_word_wrap(").at(0), "_word_wrap(\"edited\",3,190)");
  EXPECT_EQ(run.Ini("Husen1", "ID"), "102");
  EXPECT_EQ(run.Ini("Husen1", "Priority"), "2");
  EXPECT_EQ(run.Ini("Husen1", "Text"), "edited");

  // The drag keeps the old id: its moves reach the layer but find no note,
  // and the release saves nothing.
  const std::string before = run.IniBytes();
  run.Mark();
  run.Send(Record(kEventMouseMove, 100, 20, 20));
  EXPECT_EQ(run.NewCalls(), Calls{"_move(100,10,10)"});
  run.Send(Record(kEventLButtonUp, 100, 20, 20));
  // Events with the old id find no note any more.
  run.Mark();
  run.Send(Record(kEventLButtonDown, 100, 0, 0));
  EXPECT_EQ(run.NewCalls(), Calls{});
  EXPECT_EQ(run.IniBytes(), before);
}

// With the real layer a double click opens the edit dialog inside the
// layer's own event call. The end of the session while it is open releases
// the layer; closing the dialog afterwards must neither return into an
// unloaded library nor lose the edit, and a cancelled end loads it again.
TEST(PointerDoubleClick, EndOfSessionWhileTheDialogRunsInsideTheLayersCall) {
  ZettrellaRun run(kFloatingNotes, Layer::kReal);
  ASSERT_TRUE(run.Start());
  const std::vector<HWND> notes = WindowsOfProcess(run.process().Id(), "VextalObject");
  ASSERT_FALSE(notes.empty());
  PostMessageA(notes.front(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  const HWND dialog = WaitForEditDialog(run);
  ASSERT_NE(dialog, nullptr);
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutA(run.window(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &result));
  SendMessageA(GetDlgItem(dialog, IDC_EDIT_TEXT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("kept"));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }));
  // The program is back in its own loop, alive.
  EXPECT_TRUE(SendMessageTimeoutA(run.window(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result));
  EXPECT_TRUE(WindowsOfProcess(run.process().Id(), "VextalObject").empty());
  // The end of the session is cancelled: the library is loaded once more,
  // both notes are on the screen again and the edit is in the file; then
  // the program ends normally. (The file is read only now: a read while the
  // program replaces it would make the save wait for the next one.)
  ASSERT_TRUE(SendMessageTimeoutA(run.window(), WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, 10000, &result));
  EXPECT_TRUE(PumpUntil([&] {
    const std::vector<HWND> shown = WindowsOfProcess(run.process().Id(), "VextalObject");
    return shown.size() == 2 && IsWindowVisible(shown[0]) && IsWindowVisible(shown[1]);
  }));
  EXPECT_TRUE(run.Ini("Husen1", "Text") == "kept" || run.Ini("Husen2", "Text") == "kept");
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
}

TEST(PointerDoubleClick, UnknownIdOpensNothing) {
  ZettrellaRun run(kFloatingNotes);
  ASSERT_TRUE(run.Start());
  run.Mark();
  EXPECT_EQ(run.Send(Record(kEventLButtonDoubleClick, 7, 0, 0)), 1);
  EXPECT_EQ(run.NewCalls(), Calls{});
}

}  // namespace
}  // namespace zettrella::testing
