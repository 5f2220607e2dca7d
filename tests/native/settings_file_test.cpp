// The settings file's read order, defaults and write order, checked against
// an in-memory profile that records every access.
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
  s.DefaultWidth = -1;
  EXPECT_EQ(file.ReadTrayDelay(), 30);
  file.ReadSystem(&s);
  EXPECT_EQ(s.Floating, 0);
  EXPECT_EQ(s.HotKeyCreateC, "F1");
  EXPECT_EQ(s.HotKeyCreateM, "F2");
  EXPECT_EQ(s.HotKeyCreateY, "F3");
  EXPECT_EQ(s.HotKeyShow, "A");
  EXPECT_EQ(s.DefaultWidth, 200);
  EXPECT_EQ(s.DefaultHeight, 30);
  EXPECT_EQ(s.DefaultFontName, "ＭＳ ゴシック");
  EXPECT_EQ(s.DefaultFontSize, 8);
  NoteTable table;
  file.ReadNotes(&table);
  EXPECT_EQ(table.FirstEmptySlot(), 0);
  EXPECT_EQ(table.NextPriority, 0);
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
  EXPECT_TRUE(n.InUse);
  EXPECT_EQ(n.ID, 4);
  EXPECT_EQ(n.Priority, 0);
  EXPECT_EQ(n.PosX, -20);
  EXPECT_EQ(n.PosY, 0);
  EXPECT_EQ(n.Width, 200);
  EXPECT_EQ(n.Type, 0);
  EXPECT_EQ(n.FontName, "ＭＳ ゴシック");
  EXPECT_EQ(n.FontSize, 8);
  EXPECT_EQ(n.Text, "a\r\nb");
  EXPECT_EQ(n.TextRed, 0);
  EXPECT_EQ(n.TextAster, 1);
  EXPECT_EQ(n.TextAsterNum, 1);
  EXPECT_FALSE(table[6].InUse);
  EXPECT_EQ(table[6].Text, "");
  EXPECT_FALSE(table[7].InUse);
  EXPECT_EQ(table.FirstEmptySlot(), 0);
  EXPECT_EQ(table.NextPriority, 1);
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
  EXPECT_EQ(s.DefaultWidth, 300);
  EXPECT_EQ(table[0].Width, 200);
  EXPECT_EQ(table[0].FontName, "ＭＳ ゴシック");
  EXPECT_EQ(table[0].FontSize, 8);
}

TEST(SettingsFile, SaveNoteWritesTheWholeSectionInOrder) {
  MemoryProfile profile;
  SettingsFile file(profile);
  Note note;
  note.InUse = true;
  note.ID = 12;
  note.Priority = 2;
  note.PosX = 412;
  note.PosY = 96;
  note.Type = 2;
  note.FontName = "ＭＳ ゴシック";
  note.Text = "first line\r\nsecond line";
  note.TextAsterNum = 9;
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

  note.TextAster = 1;
  note.TextRed = 1;
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
  note.InUse = true;
  note.ID = 3;
  note.Text = "new";
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
  note.InUse = true;
  note.ID = kNoObject;
  note.Text = "keep me";
  file.SaveNote(4, note);
  NoteTable table;
  file.ReadNotes(&table);
  EXPECT_TRUE(table[4].InUse);
  EXPECT_EQ(table[4].Text, "keep me");
}

TEST(SettingsFile, SmallWritesAndRemoval) {
  MemoryProfile profile;
  SettingsFile file(profile);
  Note note;
  note.Priority = 5;
  note.PosX = -1;
  note.PosY = 2;
  SystemSettings s;
  s.HotKeyShow = "space";
  file.SavePriority(3, note);
  file.SavePosition(3, note);
  file.SaveFloating(1);
  file.SaveFloating(0);
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
  note.InUse = true;
  note.ID = 1;
  note.Text = "same";
  file.SaveNote(0, note);
  file.SaveNote(0, note);
  EXPECT_EQ(profile.writes.size(), 1u);
  note.PosX = 5;
  file.SaveNote(0, note);
  EXPECT_EQ(profile.writes.size(), 2u);
}

}  // namespace
}  // namespace zettrella
