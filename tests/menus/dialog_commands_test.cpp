// The menu commands that run a dialog, under Wine with the real dialogs:
// delete, edit, settings (with the hot keys that follow it) and about.
#include <gtest/gtest.h>

#include "notes/app/main_window.h"
#include "notes/input/command_ids.h"
#include "resources/zettrella_res.h"
#include "tests/support/win_test_support.h"
#include "tests/support/hot_key_probe.h"

namespace zettrella::testing {
namespace {

std::string FiveNotes() {
  std::string ini = Ini({"[System]", "Floating=On"});
  for (int n = 1; n <= 5; ++n) {
    ini += "[Husen" + std::to_string(n) + "]\r\nID=0\r\nPriority=" + std::to_string(10 - n) + "\r\nText=note " +
           std::to_string(n) + "\r\n";
  }
  return ini;
}

TEST(DeleteCommand, ConfirmedDeleteRemovesTheNoteAndItsSection) {
  BoardHarness h(FiveNotes());
  int32_t id = -1;
  std::vector<std::string> calls;
  ASSERT_TRUE(h.Run({
      h.Do([&] {
        h.ClearLayerCalls();
        id = h.SavedNote(4).id;
      }),
      h.NoteCommand(4, kCmdDelete),
      h.WaitForDialog("消去確認"),
      // While the dialog is open the layer stays out of the foreground.
      h.Do([&] { calls = h.LayerCalls(); }),
      h.PressButton(IDOK),
      h.WaitUntil([&] { return !h.SavedNote(4).inUse; }),
      h.WaitUntil([&] { return CountCalls(h.LayerCalls(), "_floating(") == 2; }),
  }));
  EXPECT_EQ(calls, std::vector<std::string>{"_floating(0)"});
  const std::vector<std::string> all = h.LayerCalls();
  EXPECT_EQ(all, (std::vector<std::string>{"_floating(0)", "_delete(" + std::to_string(id) + ")", "_floating(1)",
                                           "_delete_bitmap(1000)", "_delete_bitmap(1001)", "_delete_bitmap(1002)",
                                           "_delete_bitmap(1003)", "_delete_bitmap(1004)", "_unload()"}))
      << "the deleted note's bitmap goes at the end with the others";
  EXPECT_EQ(h.SavedNote(4).id, kNoObject);
  EXPECT_FALSE(h.IniHasSection("Husen5"));
  for (const char* kept : {"Husen1", "Husen2", "Husen3", "Husen4"}) EXPECT_TRUE(h.IniHasSection(kept)) << kept;
  EXPECT_EQ(h.SavedNote(3).text, "note 4");
}

TEST(DeleteCommand, CancelKeepsEverything) {
  BoardHarness h(FiveNotes());
  std::string iniBefore;
  ASSERT_TRUE(h.Run({
      h.ClearCalls(&iniBefore),
      h.NoteCommand(4, kCmdDelete),
      h.WaitForDialog("消去確認"),
      h.PressButton(IDCANCEL),
      h.WaitUntil([&] { return CountCalls(h.LayerCalls(), "_floating(") == 2; }),
  }));
  EXPECT_TRUE(h.SavedNote(4).inUse);
  EXPECT_EQ(ReadFileBytes(h.iniPath()), iniBefore);
}

TEST(DeleteCommand, TheFreedSlotTakesTheNextNewNote) {
  BoardHarness h(FiveNotes());
  ASSERT_TRUE(h.Run({
      h.NoteCommand(2, kCmdDelete),
      h.WaitForDialog("消去確認"),
      h.PressButton(IDOK),
      h.WaitUntil([&] { return !h.SavedNote(2).inUse; }),
      h.Post(WM_HOTKEY, kHotKeyCreateYellow, 0),
      h.WaitUntil([&] { return h.SavedNote(2).inUse; }),
  }));
  EXPECT_EQ(h.SavedNote(2).type, kTypeYellow);
  EXPECT_EQ(h.SavedNote(2).text, "");
  EXPECT_FALSE(h.SavedNote(5).inUse);
}

// A dialog of slot 4's note is open (opened by the given command, its window
// kept in *dialog): the note is deleted through its menu once more, and a
// new yellow note takes the slot. Then the first dialog is answered.
std::vector<Step> WhileSlot4sNoteIsReplaced(BoardHarness& h, UINT command, const char* caption, HWND* dialog,
                                            std::function<void()> answer) {
  return {
      h.NoteCommand(4, command),
      h.WaitForDialog(caption),
      h.Do([&h, dialog] { *dialog = h.lastDialog(); }),
      h.NoteCommand(4, kCmdDelete),
      h.WaitForDialog("消去確認", dialog),
      h.PressButton(IDOK),
      h.WaitUntil([&h] { return !h.SavedNote(4).inUse; }),
      h.Post(WM_HOTKEY, kHotKeyCreateYellow, 0),
      h.WaitUntil([&h] { return h.SavedNote(4).inUse; }),
      h.Do(answer),
      h.WaitUntil([dialog] { return !IsWindow(*dialog); }),
  };
}

// The first confirmation's "はい" must not delete the new note, and the
// edit dialog's "完了" must not write the edited text over it.
TEST(DialogCommands, ADialogActsOnlyOnTheNoteItWasOpenedFor) {
  BoardHarness confirm(FiveNotes());
  HWND first = nullptr;
  ASSERT_TRUE(confirm.Run(WhileSlot4sNoteIsReplaced(confirm, kCmdDelete, "消去確認", &first,
                                                    [&] { PostMessageA(first, WM_COMMAND, IDOK, 0); })));
  EXPECT_TRUE(confirm.SavedNote(4).inUse);
  EXPECT_EQ(confirm.IniValue("Husen5", "Type"), "2");

  BoardHarness edit(FiveNotes());
  HWND dialog = nullptr;
  ASSERT_TRUE(edit.Run(WhileSlot4sNoteIsReplaced(edit, kCmdEdit, "編集", &dialog, [&] {
    SetDlgItemTextA(dialog, IDC_EDIT_TEXT, "edited");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  })));
  EXPECT_EQ(edit.SavedNote(4).text, "");
  EXPECT_EQ(edit.IniValue("Husen5", "Type"), "2");
}

// Line breaks pasted from another program (lone LF or CR) are stored as
// backslash-n like any other: raw, they would start lines of their own in
// the file, here a section and a key.
TEST(EditCommand, LoneLineBreaksAreStoredLikeAnyOther) {
  BoardHarness h(FiveNotes());
  ASSERT_TRUE(h.Run({
      h.NoteCommand(1, kCmdEdit),
      h.WaitForDialog("編集"),
      h.Do([&] { SetDlgItemTextA(h.lastDialog(), IDC_EDIT_TEXT, "a\n[Husen7]\nID=77\rend"); }),
      h.PressButton(IDOK),
      h.WaitUntil([&] { return h.SavedNote(1).text != "note 2"; }),
  }));
  EXPECT_EQ(h.IniValue("Husen2", "Text"), "a\\n[Husen7]\\nID=77\\nend");
  EXPECT_FALSE(h.IniHasSection("Husen7"));
}

TEST(EditCommand, OkRebuildsTheNoteWithItsPriorityCancelLeavesIt) {
  BoardHarness h(FiveNotes());
  int32_t idBefore = -1;
  int32_t idAfterCancel = -1;
  ASSERT_TRUE(h.Run({
      h.Do([&] { idBefore = h.SavedNote(1).id; }),
      h.NoteCommand(1, kCmdEdit),
      h.WaitForDialog("編集"),
      h.PressButton(IDCANCEL),
      h.WaitUntil([&] { return h.nullMessages() >= 1; }),
      h.Do([&] {
        idAfterCancel = h.SavedNote(1).id;
        h.ClearLayerCalls();
      }),
      h.NoteCommand(1, kCmdEdit),
      h.WaitForDialog("編集"),
      h.PressButton(IDOK),
      h.WaitUntil([&] { return h.SavedNote(1).id != idBefore; }),
  }));
  EXPECT_EQ(idAfterCancel, idBefore);
  // Stored priorities 9, 8, 7, 6, 5 load as 4, 3, 2, 1, 0.
  EXPECT_EQ(h.SavedNote(1).priority, 3);
  EXPECT_EQ(CountCalls(h.LayerCalls(), "_create(0,0,0,0,3)="), 1);
}

TEST(SettingsCommand, NewHotKeyNameTakesOverAndEveryNoteIsRebuilt) {
  ASSERT_TRUE(WaitUntilCombosFree({VK_F1, VK_F5, 'A'}));
  BoardHarness h(FiveNotes());
  bool f1Before = false, f5Before = true, f1After = true, f5After = false;
  bool createdByF1 = true;
  std::vector<std::string> settingsCalls;
  ASSERT_TRUE(h.Run({
      h.Do([&] {
        f1Before = ComboTaken(VK_F1);
        f5Before = ComboTaken(VK_F5);
        h.ClearLayerCalls();
      }),
      h.TrayCommand(kCmdSettings),
      h.WaitForDialog("設定"),
      h.Do([&] { SetDlgItemTextA(h.lastDialog(), IDC_SETTINGS_HOTKEY_C, "F5"); }),
      h.PressButton(IDOK),
      h.WaitUntil([&] { return CountCalls(h.LayerCalls(), "_floating(") == 2; }),
      h.Do([&] {
        settingsCalls = h.LayerCalls();
        f1After = ComboTaken(VK_F1);
        f5After = ComboTaken(VK_F5);
      }),
      // Keys are handled in order: once the redraw of Ctrl+Shift+A is seen,
      // Ctrl+Shift+F1 before it has had its chance.
      h.Do([] { PressCtrlShift(VK_F1); }),
      h.Do([] { PressCtrlShift('A'); }),
      h.WaitUntil([&] { return HasCall(h.LayerCalls(), "_redraw()"); }),
      h.Do([&] { createdByF1 = h.SavedNote(5).inUse; }),
      h.Do([] { PressCtrlShift(VK_F5); }),
      h.WaitUntil([&] { return h.SavedNote(5).inUse; }),
  }));
  EXPECT_TRUE(f1Before);
  EXPECT_FALSE(f5Before);
  EXPECT_FALSE(f1After);
  EXPECT_TRUE(f5After);
  EXPECT_FALSE(createdByF1);
  EXPECT_EQ(h.SavedNote(5).type, kTypeCyan);
  EXPECT_EQ(h.IniValue("System", "HotKeyCreateC"), "F5");
  // Every note rebuilt once, with its loaded priority, inside the menu.
  for (int p = 0; p < 5; ++p) {
    EXPECT_EQ(CountCalls(settingsCalls, "_create(0,0,0,0," + std::to_string(p) + ")="), 1) << p;
  }
  EXPECT_EQ(CountCalls(settingsCalls, "_create("), 5);
  EXPECT_EQ(settingsCalls.back(), "_floating(1)");
}

TEST(SettingsCommand, CancelReregistersNothingAndRebuildsNothing) {
  ASSERT_TRUE(WaitUntilCombosFree({VK_F1, VK_F5}));
  BoardHarness h(FiveNotes());
  std::string iniBefore;
  ASSERT_TRUE(h.Run({
      h.ClearCalls(&iniBefore),
      h.TrayCommand(kCmdSettings),
      h.WaitForDialog("設定"),
      h.Do([&] { SetDlgItemTextA(h.lastDialog(), IDC_SETTINGS_HOTKEY_C, "F5"); }),
      h.PressButton(IDCANCEL),
      h.WaitUntil([&] { return CountCalls(h.LayerCalls(), "_floating(") == 2; }),
      h.Do([&] {
        EXPECT_TRUE(ComboTaken(VK_F1));
        EXPECT_FALSE(ComboTaken(VK_F5));
      }),
  }));
  EXPECT_EQ(h.LayerCalls(), (std::vector<std::string>{"_floating(0)", "_floating(1)", "_delete_bitmap(1000)",
                                                      "_delete_bitmap(1001)", "_delete_bitmap(1002)",
                                                      "_delete_bitmap(1003)", "_delete_bitmap(1004)", "_unload()"}));
  EXPECT_EQ(ReadFileBytes(h.iniPath()), iniBefore);
}

TEST(AboutCommand, HotKeysStillWorkWhileTheAboutBoxIsOpen) {
  BoardHarness h;
  ASSERT_TRUE(h.Run({
      h.TrayCommand(kCmdAbout),
      h.WaitForDialog("バージョン情報"),
      h.Post(WM_HOTKEY, kHotKeyCreateMagenta, 0),
      h.WaitUntil([&] { return h.SavedNote(0).inUse; }),
      h.Do([&] { EXPECT_TRUE(IsWindow(h.lastDialog())); }),
      h.PressButton(IDOK),
      h.WaitUntil([&] { return !IsWindow(h.lastDialog()); }),
  }));
  EXPECT_EQ(h.SavedNote(0).type, kTypeMagenta);
}

}  // namespace
}  // namespace zettrella::testing
