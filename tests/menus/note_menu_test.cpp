// The note menu under Wine: addresses, note commands and check marks as the
// real menu holds them, and the commands on the note table, the settings
// file and the layer.
#include <gtest/gtest.h>

#include "notes/app/main_window.h"
#include "notes/input/command_ids.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

using Lines = std::vector<std::string>;

// The note commands and the tail, with the given items checked.
Lines NoteItems(bool red, int type, bool floating) {
  auto mark = [](bool on) { return std::string(on ? " [x]" : ""); };
  return {"19 編集(&E)...",
          "---",
          "20 文字色レッド(&R)" + mark(red),
          "---",
          "21 シアン(&C)" + mark(type == 0),
          "22 マゼンタ(&M)" + mark(type == 1),
          "23 イエロー(&Y)" + mark(type == 2),
          "---",
          "24 複製(&O)",
          "---",
          "25 消去(&D)",
          "---",
          "26 常に手前に表示(&T)" + mark(floating),
          "---",
          "2 終了(&Q)"};
}

Lines Concat(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The addresses a menu offers: entry k is the text of the item of command
// kCmdFirstAddress + k with its doubled "&" made single again; empty where
// the menu has no such item.
AddressItems MenuAddresses(const std::vector<MenuItem>& items) {
  AddressItems addresses;
  for (const MenuItem& item : items) {
    const int k = static_cast<int>(item.id) - kCmdFirstAddress;
    if (item.separator || k < 0 || k >= static_cast<int>(addresses.size())) continue;
    for (size_t i = 0; i < item.text.size(); ++i) {
      addresses[static_cast<size_t>(k)] += item.text[i];
      if (item.text.compare(i, 2, "&&") == 0) ++i;
    }
  }
  return addresses;
}

std::string AddressNotes() {
  return Ini({"[System]", "Floating=On", "[Husen1]", "ID=0", "PosX=100", "PosY=50", "Type=1", "TextRed=1",
              "Text=参照http://a.example/?x=1&y=2。と ttps://b.example/p\\n(http://c.example/),\\nHTTP://d.example",
              "[Husen2]", "ID=0", "Type=2", "Text=no address here", "[Husen3]", "ID=0", "Type=7", "TextRed=2",
              "Text=ttp://e.example"});
}

TEST(NoteMenu, AddressesFirstThenTheNoteCommandsWithTheirCheckMarks) {
  BoardHarness h(AddressNotes());
  Lines withAddresses, without, oddType;
  AddressItems addresses;
  ASSERT_TRUE(h.Run({
      h.NoteMenuDismissed(0),
      h.Do([&] { withAddresses = MenuLines(h.lastMenu()); }),
      h.Do([&] { addresses = MenuAddresses(h.lastMenu()); }),
      h.NoteMenuDismissed(1),
      h.Do([&] { without = MenuLines(h.lastMenu()); }),
      h.NoteMenuDismissed(2),
      h.Do([&] { oddType = MenuLines(h.lastMenu()); }),
  }));
  // The "&" is shown as itself, not as a mnemonic marker.
  EXPECT_EQ(withAddresses,
            Concat({"32 http://a.example/?x=1&&y=2", "33 https://b.example/p", "34 http://c.example/),", "---"},
                   NoteItems(true, 1, true)));
  EXPECT_EQ(addresses[0], "http://a.example/?x=1&y=2");
  EXPECT_EQ(addresses[2], "http://c.example/),");
  EXPECT_EQ(addresses[3], "");
  EXPECT_EQ(without, NoteItems(false, 2, true));
  // TextRed other than 1 and a colour outside the three check nothing.
  EXPECT_EQ(oddType, Concat({"32 http://e.example", "---"}, NoteItems(false, -1, true)));
}

TEST(NoteMenu, VanishedNoteGetsAPlainMenuAndItsCommandsDoNothing) {
  BoardHarness h(AddressNotes());
  Lines stale;
  int32_t oldId = -1;
  std::string iniBefore;
  std::vector<std::string> calls;
  const std::vector<std::string>& opened = h.shellOpened();
  auto staleId = [&] { return oldId; };
  ASSERT_TRUE(h.Run({
      // A menu with addresses first, so that they would be there to reuse.
      h.NoteMenuDismissed(0),
      // Rebuilding the note gives it a new id; the old one names nothing.
      h.Do([&] { oldId = h.SavedNote(0).id; }),
      h.NoteCommand(0, kCmdCyan),
      h.WaitUntil([&] { return h.SavedNote(0).id != oldId; }),
      h.ClearCalls(&iniBefore),
      h.NoteCommand(staleId, kCmdTextRed),
      h.Do([&] { stale = MenuLines(h.lastMenu()); }),
      h.NoteCommand(staleId, kCmdDuplicate),
      h.NoteCommand(staleId, kCmdYellow),
      h.NoteCommand(staleId, kCmdEdit),
      h.NoteCommand(staleId, kCmdDelete),
      h.WaitUntil([&] { return h.nullMessages() >= 7; }),
      h.Do([&] { calls = h.LayerCalls(); }),
  }));
  EXPECT_EQ(stale, NoteItems(false, -1, true));
  for (const std::string& address : MenuAddresses(h.lastMenu())) EXPECT_EQ(address, "");
  EXPECT_EQ(ReadFileBytes(h.iniPath()), iniBefore);
  Lines expected;
  for (int i = 0; i < 5; ++i) expected.insert(expected.end(), {"_floating(0)", "_floating(1)"});
  EXPECT_EQ(calls, expected);
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(h.SavedNote(0).textRed);
  EXPECT_EQ(h.SavedNote(0).type, 0);
  EXPECT_FALSE(h.SavedNote(3).inUse);
}

TEST(NoteMenu, RedTextAndColoursRebuildTheNoteWithItsPriority) {
  BoardHarness h(
      Ini({"[Husen1]", "ID=0", "Priority=4", "Type=0", "Text=abc", "[Husen2]", "ID=0", "Priority=9", "Type=0"}));
  std::vector<std::string> redCalls;
  int32_t nextPriority = -1;
  ASSERT_TRUE(h.Run({
      h.ClearCalls(),
      h.NoteCommand(0, kCmdTextRed),
      h.WaitUntil([&] { return h.SavedNote(0).textRed; }),
      h.Do([&] { redCalls = h.LayerCalls(); }),
      h.NoteCommand(0, kCmdMagenta),
      h.WaitUntil([&] { return h.IniValue("Husen1", "Type") == "1"; }),
      h.NoteCommand(0, kCmdYellow),
      h.WaitUntil([&] { return h.IniValue("Husen1", "Type") == "2"; }),
      h.NoteCommand(0, kCmdTextRed),
      h.WaitUntil([&] { return h.IniValue("Husen1", "TextRed") == "0"; }),
      h.NoteCommand(0, kCmdCyan),
      h.WaitUntil([&] { return h.IniValue("Husen1", "Type") == "0"; }),
      h.ClickNoteOfSlot(1, &nextPriority),
  }));
  // Stored priorities 4 and 9 load as 0 and 1; the rebuild keeps 0.
  EXPECT_EQ(CountCalls(redCalls, "_create(0,0,0,0,0)="), 1);
  bool redText = false;
  for (const std::string& call : redCalls) {
    redText |= call.rfind("_draw_text(", 0) == 0 && call.find("\"abc\",") != std::string::npos &&
               call.find(",FF0000,") != std::string::npos;
  }
  EXPECT_TRUE(redText) << "the rebuilt card draws its text in red";
  EXPECT_EQ(CountCalls(redCalls, "_floating("), 2);
  const Note note = h.SavedNote(0);
  EXPECT_EQ(note.priority, 0);
  EXPECT_EQ(note.type, 0);
  EXPECT_FALSE(note.textRed);
  EXPECT_EQ(nextPriority, 2) << "no note came to the front";
  EXPECT_EQ(h.SavedNote(1).type, 0) << "the other note is untouched";
}

TEST(NoteMenu, DuplicateLiesFifteenPixelsFurtherAboveAllOthers) {
  BoardHarness h(
      Ini({"[Husen1]",       "ID=0",      "Priority=3",  "PosX=7",         "PosY=8",   "[Husen2]",      "ID=0",
           "Priority=1",     "PosX=100",  "PosY=50",     "Width=150",      "Type=2",   "FontName=Face", "FontSize=12",
           "Text=one\\ntwo", "TextRed=1", "TextAster=1", "TextAsterNum=2", "[Husen4]", "ID=0",          "Priority=2"}));
  std::vector<std::string> calls;
  int32_t nextPriority = -1;
  ASSERT_TRUE(h.Run({
      h.ClearCalls(),
      h.NoteCommand(1, kCmdDuplicate),
      h.WaitUntil([&] { return h.SavedNote(2).inUse; }),
      h.Do([&] { calls = h.LayerCalls(); }),
      h.ClickNoteOfSlot(0, &nextPriority),
  }));
  const Note copy = h.SavedNote(2);  // the lowest empty slot
  EXPECT_EQ(copy.posX, 115);
  EXPECT_EQ(copy.posY, 65);
  EXPECT_EQ(copy.width, 150);
  EXPECT_EQ(copy.type, 2);
  EXPECT_EQ(copy.fontName, "Face");
  EXPECT_EQ(copy.fontSize, 12);
  EXPECT_TRUE(copy.textRed);
  EXPECT_TRUE(copy.mask);
  EXPECT_EQ(copy.maskFrom, 2);
  EXPECT_EQ(copy.priority, 3);  // 3, 1, 2 load as 2, 0, 1
  EXPECT_EQ(nextPriority, 4);
  EXPECT_EQ(CountCalls(calls, "_create("), 1);
  EXPECT_TRUE(HasCall(calls, "_create(115,65,0,0,3)="));
  EXPECT_FALSE(HasCall(calls, "_redraw()"));
  EXPECT_EQ(h.IniValue("Husen3", "Text"), "one\\ntwo");
  EXPECT_EQ(h.IniValue("Husen2", "PosX"), "100") << "the source stays";
}

std::string FullTable(const char* firstNote) {
  std::string ini = Ini({"[Husen1]", "ID=0", firstNote});
  for (int n = 2; n <= 100; ++n) ini += "[Husen" + std::to_string(n) + "]\r\nID=0\r\n";
  return ini;
}

TEST(NoteMenu, DuplicateAndCreateWithAllSlotsInUseChangeNothing) {
  BoardHarness h(FullTable("PosX=2147483640"));
  std::vector<std::string> calls;
  std::string iniBefore, iniAfter;
  int32_t nextPriority = -1;
  ASSERT_TRUE((h.Run(
      {
          h.ClearCalls(&iniBefore),
          h.NoteCommand(0, kCmdDuplicate),
          h.TrayCommand(kCmdCreateMagenta),
          h.WaitUntil([&] { return HasCall(h.LayerCalls(), "_redraw()"); }),
          h.WaitUntil([&] { return h.nullMessages() >= 2; }),
          h.Do([&] {
            calls = h.LayerCalls();
            iniAfter = ReadFileBytes(h.iniPath());
          }),
          h.ClickNoteOfSlot(0, &nextPriority),
      },
      60000)));
  // Only the menus' switch and the redraw that creating always asks for.
  EXPECT_EQ(calls, (Lines{"_floating(0)", "_floating(0)", "_floating(0)", "_redraw()", "_floating(0)"}));
  EXPECT_EQ(iniAfter, iniBefore);
  EXPECT_EQ(nextPriority, 1);
}

TEST(NoteMenu, ChosenAddressIsOpenedAsWritten) {
  BoardHarness h(AddressNotes());
  const std::vector<std::string>& opened = h.shellOpened();
  ASSERT_TRUE(h.Run({
      h.NoteCommand(0, kCmdFirstAddress),
      h.NoteCommand(0, kCmdFirstAddress + 1),
      h.NoteCommand(2, kCmdFirstAddress),
      h.WaitUntil([&] { return opened.size() == 3; }),
  }));
  EXPECT_EQ(opened, (Lines{"http://a.example/?x=1&y=2", "https://b.example/p", "http://e.example"}));
  EXPECT_EQ(h.SavedNote(0).type, 1) << "opening changes no note";
}

}  // namespace
}  // namespace zettrella::testing
