// The settings file through the real profile functions.
#include <gtest/gtest.h>

#include "notes/model/ini_profile.h"
#include "notes/model/settings_file.h"
#include "tests/support/win_test_support.h"

namespace zettrella {
namespace {

TEST(IniProfile, EveryTextTheProgramWritesComesBackWhole) {
  testing::TempDir dir("zini");
  IniProfile profile(dir.File("Zettrella.ini"));
  SettingsFile file(profile);
  Note note;
  note.InUse = true;
  note.ID = 3;
  note.FontName = "ＭＳ Ｐゴシック";
  // 1024 bytes with Japanese text and line breaks, the longest stored text.
  std::string text = "付箋\r\n";
  while (text.size() < 1022) text += "x";
  text += "表";
  ASSERT_EQ(text.size(), 1024u);
  note.Text = text;
  file.SaveNote(0, note);

  NoteTable table;
  file.ReadNotes(&table);
  EXPECT_TRUE(table[0].InUse);
  EXPECT_EQ(table[0].Text, text);
  EXPECT_EQ(table[0].FontName, "ＭＳ Ｐゴシック");
}

TEST(IniProfile, LongValuesAreCutAndMissingOnesTakeTheirDefault) {
  testing::TempDir dir("zini");
  const std::string path = dir.File("Zettrella.ini");
  testing::WriteFileBytes(path, "[System]\r\nFontName=" + std::string(3000, 'f') + "\r\n[Husen1]\r\nID=1\r\nText=" +
                                    std::string(1023, 'x') + "\x82\xA0" + "\r\n");
  IniProfile profile(path);
  EXPECT_EQ(profile.Read("System", "FontName", "", 1023).size(), 1023u);
  EXPECT_EQ(profile.Read("System", "Missing", "dflt", 1023), "dflt");
  EXPECT_EQ(profile.Read("Nowhere", "Missing", "", 1023), "");
  SettingsFile file(profile);
  NoteTable table;
  file.ReadNotes(&table);
  // The two-byte character that does not fit is dropped whole.
  EXPECT_EQ(table[0].Text, std::string(1023, 'x'));
}

TEST(IniProfile, RemovingASectionLeavesTheOthers) {
  testing::TempDir dir("zini");
  IniProfile profile(dir.File("Zettrella.ini"));
  SettingsFile file(profile);
  Note note;
  note.InUse = true;
  note.ID = 1;
  file.SaveNote(3, note);
  file.SaveNote(4, note);
  file.RemoveNote(4);
  EXPECT_EQ(profile.Read("Husen4", "ID", "-1", 1023), "1");
  EXPECT_EQ(profile.Read("Husen5", "ID", "-1", 1023), "-1");
}

}  // namespace
}  // namespace zettrella
