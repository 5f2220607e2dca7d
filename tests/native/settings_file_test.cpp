// The settings file's defaults and conversions on reading, and what it
// writes in which order, checked against an in-memory profile that records
// every change.
#include "notes/model/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/memory_profile.h"

namespace zettrella {
namespace {

TEST(SettingsFile, MissingFileGivesEveryDefault) {
  MemoryProfile profile;
  SettingsFile file(profile);
  SystemSettings s;
  s.defaultWidth = -1;
  EXPECT_EQ(file.ReadTrayDelay(), 30);
  file.ReadSystem(&s);
  EXPECT_FALSE(s.floating);
  EXPECT_EQ(s.hotKeyCreateC, "F1");
  EXPECT_EQ(s.hotKeyCreateM, "F2");
  EXPECT_EQ(s.hotKeyCreateY, "F3");
  EXPECT_EQ(s.hotKeyShow, "A");
  EXPECT_EQ(s.defaultWidth, 200);
  EXPECT_EQ(s.defaultHeight, 30);
  EXPECT_EQ(s.defaultFontName, "ＭＳ ゴシック");
  EXPECT_EQ(s.defaultFontSize, 8);
  NoteTable table;
  file.ReadNotes(&table);
  EXPECT_EQ(table.FirstEmptySlot(), 0);
  EXPECT_EQ(table.nextPriority, 0);
}

TEST(SettingsFile, NoteSectionsAreReadWithDefaultsAndConversions) {
  MemoryProfile profile;
  profile.Set("Husen3", {"ID=4", "Priority=7", "PosX=-20", "Text=a\\nb", "TextRed=2", "TextAster=1", "TextAsterNum=0"});
  profile.Set("Husen7", {"ID=-1", "Text=ignored"});
  profile.Set("Husen8", {"Text=no id"});
  profile.Set("Husen101", {"ID=1"});
  SettingsFile file(profile);
  NoteTable table;
  file.ReadNotes(&table);
  const Note& n = table[2];
  EXPECT_TRUE(n.inUse);
  EXPECT_EQ(n.id, 4);
  EXPECT_EQ(n.priority, 0);
  EXPECT_EQ(n.posX, -20);
  EXPECT_EQ(n.posY, 0);
  EXPECT_EQ(n.width, 200);
  EXPECT_EQ(n.type, 0);
  EXPECT_EQ(n.fontName, "ＭＳ ゴシック");
  EXPECT_EQ(n.fontSize, 8);
  EXPECT_EQ(n.text, "a\r\nb");
  EXPECT_FALSE(n.textRed);
  EXPECT_TRUE(n.mask);
  EXPECT_EQ(n.maskFrom, 1);
  EXPECT_FALSE(table[6].inUse);
  EXPECT_EQ(table[6].text, "");
  EXPECT_FALSE(table[7].inUse);
  EXPECT_EQ(table.FirstEmptySlot(), 0);
  EXPECT_EQ(table.nextPriority, 1);
}

TEST(SettingsFile, PerNoteDefaultsDoNotFollowTheSystemValues) {
  MemoryProfile profile;
  profile.Set("System", {"Width=300", "FontName=Other", "FontSize=12"});
  profile.Set("Husen1", {"ID=0"});
  SettingsFile file(profile);
  SystemSettings s;
  file.ReadSystem(&s);
  NoteTable table;
  file.ReadNotes(&table);
  EXPECT_EQ(s.defaultWidth, 300);
  EXPECT_EQ(table[0].width, 200);
  EXPECT_EQ(table[0].fontName, "ＭＳ ゴシック");
  EXPECT_EQ(table[0].fontSize, 8);
}

TEST(SettingsFile, SaveNoteWritesTheWholeSectionInOrder) {
  MemoryProfile profile;
  SettingsFile file(profile);
  Note note;
  note.inUse = true;
  note.id = 12;
  note.priority = 2;
  note.posX = 412;
  note.posY = 96;
  note.type = 2;
  note.fontName = "ＭＳ ゴシック";
  note.text = "first line\r\nsecond line";
  note.maskFrom = 9;
  file.SaveNote(0, note);
  const std::vector<std::string> expected = {"ID=12",
                                             "Priority=2",
                                             "PosX=412",
                                             "PosY=96",
                                             "Width=200",
                                             "Type=2",
                                             "FontName=ＭＳ ゴシック",
                                             "FontSize=8",
                                             "Text=first line\\nsecond line",
                                             "TextRed=0",
                                             "TextAster=0"};
  EXPECT_EQ(profile.sections["Husen1"], expected);
  EXPECT_EQ(profile.writes, std::vector<std::string>{"section Husen1"});

  note.mask = true;
  note.textRed = true;
  file.SaveNote(99, note);
  ASSERT_EQ(profile.sections["Husen100"].size(), 12u);
  EXPECT_EQ(profile.sections["Husen100"][9], "TextRed=1");
  EXPECT_EQ(profile.sections["Husen100"][11], "TextAsterNum=9");
}

TEST(SettingsFile, SaveNoteReplacesKeysWhereTheyStandAndKeepsTheOthers) {
  MemoryProfile profile;
  profile.Set("Husen2", {"Text=old", "Extra=kept", "textasternum=4", "id=7", "ID=8"});
  SettingsFile file(profile);
  Note note;
  note.inUse = true;
  note.id = 3;
  note.text = "new";
  file.SaveNote(1, note);
  const std::vector<std::string> expected = {
      "Text=new",  "Extra=kept", "textasternum=4",         "id=3",       "ID=8",      "Priority=0", "PosX=0", "PosY=0",
      "Width=200", "Type=0",     "FontName=ＭＳ ゴシック", "FontSize=8", "TextRed=0", "TextAster=0"};
  EXPECT_EQ(profile.sections["Husen2"], expected);
}

TEST(SettingsFile, NoteWithoutLayerObjectStaysLoadable) {
  MemoryProfile profile;
  SettingsFile file(profile);
  Note note;
  note.inUse = true;
  note.id = kNoObject;
  note.text = "keep me";
  file.SaveNote(4, note);
  NoteTable table;
  file.ReadNotes(&table);
  EXPECT_TRUE(table[4].inUse);
  EXPECT_EQ(table[4].text, "keep me");
}

TEST(SettingsFile, SmallWritesAndRemoval) {
  MemoryProfile profile;
  SettingsFile file(profile);
  Note note;
  note.priority = 5;
  note.posX = -1;
  note.posY = 2;
  SystemSettings s;
  s.hotKeyShow = "space";
  file.SavePriority(3, note);
  file.SavePosition(3, note);
  file.SaveFloating(true);
  file.SaveFloating(false);
  file.RemoveNote(4);
  file.SaveSystemSettings(s);
  const std::vector<std::string> expected = {"Husen4.Priority=5",
                                             "Husen4.PosX=-1",
                                             "Husen4.PosY=2",
                                             "System.Floating=On",
                                             "System.Floating=Off",
                                             "remove Husen5",
                                             "System.HotKeyCreateC=F1",
                                             "System.HotKeyCreateM=F2",
                                             "System.HotKeyCreateY=F3",
                                             "System.HotKeyShow=space",
                                             "System.Width=200",
                                             "System.Height=30",
                                             "System.FontName=ＭＳ ゴシック",
                                             "System.FontSize=8"};
  EXPECT_EQ(profile.writes, expected);
}

TEST(SectionValue, FindsKeysAsTheProfileFunctionsDo) {
  const std::vector<std::string> lines = {"text=first",  "Text=second", "Quoted=\"a b\"", "Single='x'",
                                          "Half=\"open", "NoEquals",    "Empty="};
  EXPECT_EQ(SectionValue(lines, "TEXT", "d", 1023), "first");
  EXPECT_EQ(SectionValue(lines, "Quoted", "d", 1023), "a b");
  EXPECT_EQ(SectionValue(lines, "Single", "d", 1023), "x");
  EXPECT_EQ(SectionValue(lines, "Half", "d", 1023), "\"open");
  EXPECT_EQ(SectionValue(lines, "NoEquals", "d", 1023), "d");
  EXPECT_EQ(SectionValue(lines, "Empty", "d", 1023), "");
  EXPECT_EQ(SectionValue(lines, "Missing", "dflt", 2), "df");
  EXPECT_EQ(SectionValue(lines, "text", "d", 3), "fir");
}

TEST(SettingsFile, UnchangedSectionIsNotWrittenAgain) {
  MemoryProfile profile;
  SettingsFile file(profile);
  Note note;
  note.inUse = true;
  note.id = 1;
  note.text = "same";
  file.SaveNote(0, note);
  file.SaveNote(0, note);
  EXPECT_EQ(profile.writes.size(), 1u);
  note.posX = 5;
  file.SaveNote(0, note);
  EXPECT_EQ(profile.writes.size(), 2u);
}

}  // namespace
}  // namespace zettrella
