// The settings file through the real profile functions.
#include <gtest/gtest.h>

#include "notes/model/ini_profile.h"
#include "common/win_handles.h"
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
  testing::WriteFileBytes(path, "[System]\r\nFontName=" + std::string(3000, 'f') +
                                    "\r\n[Husen1]\r\nID=1\r\nText=" + std::string(1023, 'x') + "\x82\xA0" + "\r\n");
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

// Another program holds the file open for a moment (a backup or a virus
// scanner): the change is not on the disk, but it is not lost either, and
// it reaches the file once the other program lets go.
TEST(IniProfile, ChangeThatCannotReplaceTheFileWaitsInMemory) {
  testing::TempDir dir("zini");
  const std::string path = dir.File("Zettrella.ini");
  const std::string before = "[Husen1]\r\nID=1\r\nPriority=0\r\nMine=kept\r\n";
  testing::WriteFileBytes(path, before);
  IniProfile profile(path);
  {
    // Shared for reading and writing, but not for deleting or renaming.
    const UniqueFile other(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(other);
    profile.Write("Husen1", "Priority", "5");
    profile.WriteKeys("Husen2", {{"ID", "2"}, {"PosX", "9"}});
    EXPECT_FALSE(profile.SavePending());
    EXPECT_EQ(testing::ReadFileBytes(path), before);
    EXPECT_FALSE(testing::FileExists(profile.copyPath()));
  }
  profile.Write("Husen1", "PosY", "7");
  EXPECT_TRUE(profile.SavePending());  // nothing left waiting
  EXPECT_EQ(profile.Read("Husen1", "Priority", "", 99), "5");
  EXPECT_EQ(profile.Read("Husen1", "PosY", "", 99), "7");
  EXPECT_EQ(profile.Read("Husen1", "Mine", "", 99), "kept");
  EXPECT_EQ(profile.Read("Husen2", "PosX", "", 99), "9");
}

// A file locked without sharing when the program starts is neither read as
// empty nor ever written over; one that is missing is a first start.
TEST(IniProfile, FileThatCannotBeReadAtStartIsNeverWritten) {
  testing::TempDir dir("zini");
  const std::string path = dir.File("Zettrella.ini");
  IniProfile fresh(path);
  EXPECT_TRUE(fresh.BeginLoading(0));
  fresh.EndLoading();

  const std::string stored = "[Husen1]\r\nID=1\r\n";
  testing::WriteFileBytes(path, stored);
  testing::WriteFileBytes(path + ".new", "[Husen1]\r\nID=-1\r\n");  // left by a crash
  IniProfile locked(path);
  {
    const UniqueFile other(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(other);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(locked.BeginLoading(300));
    EXPECT_GE(GetTickCount() - start, 250u);
    locked.EndLoading();
  }
  EXPECT_FALSE(testing::FileExists(path + ".new"));
  locked.Write("Husen1", "ID", "2");
  locked.RemoveSection("Husen1");
  // Nothing waits to be written either, even now that the file is free.
  EXPECT_TRUE(locked.SavePending());
  EXPECT_EQ(testing::ReadFileBytes(path), stored);
}

}  // namespace
}  // namespace zettrella
