// The global hot keys under Wine: which combinations the main window holds
// for which names, real key presses, and WM_HOTKEY taken by the pre-filter.
#include <gtest/gtest.h>

#include "notes/app/main_window.h"
#include "notes/input/command_ids.h"
#include "tests/support/win_test_support.h"
#include "tests/support/hot_key_probe.h"

namespace zettrella::testing {
namespace {

TEST(HotKeys, NamesChooseTheRegisteredCombinations) {
  struct Case {
    const char* names[4];
    std::vector<UINT> taken;
    std::vector<UINT> free;
  };
  const Case cases[] = {
      {{"F25", "ESC", "sPaCe", ""}, {'F', 'E', VK_SPACE}, {'A', VK_F1, VK_F2, VK_F3}},
      {{"Home", "z", "5", "f12"}, {'H', 'Z', '5', VK_F12}, {'A', VK_F1}},
      // A name starting with a two-byte character holds nothing (its first
      // byte, 0x82, would be F19) and leaves the other three in place.
      {{"あ", "F2", "F3", "A"}, {VK_F2, VK_F3, 'A'}, {VK_F1, 0x82}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.names[0]);
    ASSERT_TRUE(WaitUntilCombosFree({'F', 'E', VK_SPACE, 'A', VK_F1, VK_F2, VK_F3, 'H', 'Z', '5', VK_F12, 0x82}))
        << "another program holds one of the combinations";
    BoardHarness h(
        Ini({"[System]", ("HotKeyCreateC=" + std::string(c.names[0])).c_str(),
             ("HotKeyCreateM=" + std::string(c.names[1])).c_str(), ("HotKeyCreateY=" + std::string(c.names[2])).c_str(),
             ("HotKeyShow=" + std::string(c.names[3])).c_str()}));
    std::vector<UINT> takenNow, freeNow;
    ASSERT_TRUE(h.Run({h.Do([&] {
      for (UINT key : c.taken) {
        if (ComboTaken(key)) takenNow.push_back(key);
      }
      for (UINT key : c.free) {
        if (!ComboTaken(key)) freeNow.push_back(key);
      }
    })}));
    EXPECT_EQ(takenNow, c.taken);
    EXPECT_EQ(freeNow, c.free);
    // The end of the program gives every combination back.
    for (UINT key : c.taken) EXPECT_FALSE(ComboTaken(key)) << key;
  }
}

TEST(HotKeys, PostedHotKeysCreateNotesAndRedraw) {
  BoardHarness h;
  std::vector<std::string> calls;
  ASSERT_TRUE(h.Run({
      h.ClearCalls(),
      h.Post(WM_HOTKEY, kHotKeyCreateYellow, MAKELPARAM(kCtrlShift, VK_F3)),
      h.Post(WM_HOTKEY, kHotKeyCreateCyan, MAKELPARAM(kCtrlShift, VK_F1)),
      h.Post(WM_HOTKEY, kHotKeyCreateMagenta, MAKELPARAM(kCtrlShift, VK_F2)),
      h.Post(WM_HOTKEY, 4, 0),
      h.Post(WM_HOTKEY, 0x10000 + kHotKeyShow, MAKELPARAM(kCtrlShift, 'A')),  // the id is the low word
      h.WaitUntil([&] { return CountCalls(h.LayerCalls(), "_redraw()") == 4; }),
      h.Do([&] { calls = h.LayerCalls(); }),
  }));
  std::vector<Note> notes;
  for (int slot = 0; slot < 4; ++slot) notes.push_back(h.SavedNote(slot));
  EXPECT_EQ(notes[0].type, kTypeYellow);
  EXPECT_EQ(notes[1].type, kTypeCyan);
  EXPECT_EQ(notes[2].type, kTypeMagenta);
  EXPECT_FALSE(notes[3].inUse);
  for (int slot = 0; slot < 3; ++slot) {
    EXPECT_EQ(notes[slot].priority, slot);
    EXPECT_EQ(notes[slot].posX, 412);
    EXPECT_EQ(notes[slot].posY, 369);
  }
  EXPECT_EQ(CountCalls(calls, "_create(412,369,0,0,"), 3);
  EXPECT_EQ(calls.back(), "_redraw()");
  EXPECT_FALSE(HasCall(calls, "_floating(")) << "hot keys open no menu";
}

TEST(HotKeys, RealKeyPressesReachTheBoard) {
  ASSERT_TRUE(WaitUntilCombosFree({VK_F1, VK_F2, VK_SPACE, 'A'}));
  BoardHarness h(Ini({"[System]", "HotKeyCreateM=sPaCe"}));
  std::vector<std::string> calls;
  ASSERT_TRUE(h.Run({
      h.ClearCalls(),
      h.Do([] { PressCtrlShift(VK_F1); }),
      h.WaitUntil([&] { return h.SavedNote(0).inUse; }),
      h.Do([] { PressCtrlShift(VK_F2); }),  // no longer one of the board's
      h.Do([] { PressCtrlShift(VK_SPACE); }),
      h.WaitUntil([&] { return h.SavedNote(1).inUse; }),
      h.Do([] { PressCtrlShift('A'); }),
      h.WaitUntil([&] { return CountCalls(h.LayerCalls(), "_redraw()") == 3; }),
      h.Do([&] { calls = h.LayerCalls(); }),
  }));
  EXPECT_EQ(h.SavedNote(0).type, kTypeCyan);
  EXPECT_EQ(h.SavedNote(1).type, kTypeMagenta);
  EXPECT_FALSE(h.SavedNote(2).inUse);
  EXPECT_EQ(CountCalls(calls, "_create("), 2);
}

}  // namespace
}  // namespace zettrella::testing
