// The settings file through the program's Win32 writer (IniProfile) on real
// files under Wine: whole values, a file held or missing, a full disk, a
// copy left behind and linked files.
#include <gtest/gtest.h>

#include "notes/model/ini_profile.h"
#include "common/mbcs.h"
#include "common/protocol.h"
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
  note.inUse = true;
  note.id = 3;
  note.fontName = "ＭＳ Ｐゴシック";
  // 1024 bytes with Japanese text and line breaks, the longest stored text.
  std::string text = "付箋\r\n";
  while (text.size() < 1022) text += "x";
  text += "表";
  ASSERT_EQ(text.size(), 1024u);
  note.text = text;
  file.SaveNote(0, note);

  NoteTable table;
  file.ReadNotes(&table);
  EXPECT_TRUE(table[0].inUse);
  EXPECT_EQ(table[0].text, text);
  EXPECT_EQ(table[0].fontName, "ＭＳ Ｐゴシック");

  note.text = "\"  quoted\" ";  // blanks at its ends and quotes come back too
  file.SaveNote(0, note);
  file.ReadNotes(&table);
  EXPECT_EQ(table[0].text, note.text);
}

TEST(CodePage932, LeadBytesAreTheSystemsOwn) {
  for (int b = 0; b < 256; ++b)
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(b)), !!IsDBCSLeadByteEx(932, static_cast<BYTE>(b))) << b;
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
  EXPECT_EQ(table[0].text, std::string(1023, 'x'));
}

TEST(IniProfile, RemovingASectionLeavesTheOthers) {
  testing::TempDir dir("zini");
  IniProfile profile(dir.File("Zettrella.ini"));
  SettingsFile file(profile);
  Note note;
  note.inUse = true;
  note.id = 1;
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
    EXPECT_FALSE(testing::FileExists(path + kSettingsSideFiles[0]));
  }
  profile.Write("Husen1", "PosY", "7");
  EXPECT_TRUE(profile.SavePending());  // nothing left waiting
  EXPECT_EQ(profile.Read("Husen1", "Priority", "", 99), "5");
  EXPECT_EQ(profile.Read("Husen1", "PosY", "", 99), "7");
  EXPECT_EQ(profile.Read("Husen1", "Mine", "", 99), "kept");
  EXPECT_EQ(profile.Read("Husen2", "PosX", "", 99), "9");
}

// A file locked without sharing when the program starts is neither read as
// empty nor written over by a profile that has not read it (the program's
// timer reads it again and only then saves); one that is missing is a first
// start.
TEST(IniProfile, FileThatCannotBeReadAtStartIsNotWrittenOverUnread) {
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
  // What was not read is not shown: only the changes made meanwhile are.
  EXPECT_EQ(locked.Read("Husen1", "ID", "-1", 9), "-1");
  locked.Write("Husen1", "ID", "2");
  locked.RemoveSection("Husen1");
  // Even now that the file is free, nothing of this run is written over it;
  // what was made meanwhile waits in the side file.
  EXPECT_FALSE(locked.SavePending());
  EXPECT_EQ(testing::ReadFileBytes(path), stored);
  EXPECT_TRUE(testing::FileExists(path + kSettingsSideFiles[1]));
}

// A disk of 64 pages with room for three files (tests/win/small_disk.sh):
// the file, room for its copy, and a filler of the rest. Without room for
// the copy a change is written in place; the copy that fits but whose grown
// content does not never replaces the file, and the change lands later.
TEST(IniProfile, OnAFullDiskTheFileIsNeverCutShort) {
  char unix[MAX_PATH] = {};
  ULARGE_INTEGER total{};
  std::string disk = GetEnvironmentVariableA("ZETTRELLA_SMALL_DISK", unix, MAX_PATH) ? std::string("Z:") + unix : "";
  for (char& c : disk) c = c == '/' ? '\\' : c;
  if (!GetDiskFreeSpaceExA(disk.c_str(), nullptr, &total, nullptr) || total.QuadPart > (1u << 20))
    GTEST_SKIP() << "no small tmpfs disk: mounting one was not allowed here";
  const std::string path = disk + "\\Zettrella.ini", room = disk + "\\room", filler = disk + "\\filler";
  std::string ini = "[Husen1]\r\nID=1\r\n[Husen2]\r\nID=2\r\nText=";
  ini += std::string(8 * 4096 - 20 - ini.size() - 2, 'x') + "\r\n";  // 20 bytes short of 8 pages
  testing::WriteFileBytes(path, ini);
  testing::WriteFileBytes(room, ini);
  testing::WriteFileBytes(filler, std::string(1 << 18, 'f'));  // as much as fits
  IniProfile profile(path);
  profile.Write("Husen1", "PosX", "5");
  EXPECT_TRUE(profile.SavePending());
  const std::string placed = testing::ReadFileBytes(path);
  EXPECT_NE(placed.find("ID=1\r\nPosX=5\r\n"), std::string::npos);
  // No block free and an empty copy left beside the file: a growing change
  // is never written in place, and the copy is not taken for anything.
  testing::WriteFileBytes(path + ".new", "");
  profile.Write("Husen2", "PosX", "123456789");
  EXPECT_FALSE(profile.SavePending());
  EXPECT_TRUE(testing::ReadFileBytes(path) == placed) << "written in place";
  EXPECT_FALSE(testing::FileExists(path + ".new"));
  DeleteFileA(room.c_str());
  profile.Write("Husen1", "Text", std::string(300, 'y').c_str());
  EXPECT_FALSE(profile.SavePending());
  EXPECT_EQ(testing::ReadFileBytes(path), placed);
  DeleteFileA(filler.c_str());
  EXPECT_TRUE(profile.SavePending());
  EXPECT_EQ(testing::ReadFileBytes(path).size(), placed.size() + 307 + 16);
  DeleteFileA(path.c_str());
}

// The copy is put in place only once it is whole: with the file missing it
// is the last save, and it is taken. A read-only copy blocks no later save.
TEST(IniProfile, CopyLeftInPlaceOfAMissingFileIsTakenAtStart) {
  testing::TempDir dir("zini");
  const std::string path = dir.File("Zettrella.ini"), copy = path + ".new";
  testing::WriteFileBytes(copy, "[Husen1]\r\nID=1\r\n");
  IniProfile profile(path);
  EXPECT_TRUE(profile.BeginLoading(0));
  profile.EndLoading();
  EXPECT_EQ(testing::ReadFileBytes(path), "[Husen1]\r\nID=1\r\n");
  testing::WriteFileBytes(copy, "[Husen1]\r\nID=-1\r\n");
  SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_READONLY);
  profile.Write("Husen1", "PosX", "5");
  EXPECT_EQ(profile.Read("Husen1", "PosX", "", 9), "5");
}

// The file held by other programs, at start and while the program runs.
class HeldFile : public ::testing::Test {
 protected:
  void SetUp() override { testing::WriteFileBytes(path_, "[Husen1]\r\nID=1\r\nText=stored\r\n"); }
  UniqueFile Hold(DWORD access, DWORD share) {
    return UniqueFile(CreateFileA(path_.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr));
  }
  testing::TempDir dir_{"zheld"};
  std::string path_ = dir_.File("Zettrella.ini");
};

// A rename or sync tool holds it for deleting and shares reading and
// writing: it is read at once, and only once.
TEST_F(HeldFile, HolderThatSharesReadingIsNoObstacle) {
  IniProfile profile(path_);
  const UniqueFile other = Hold(GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_TRUE(other);
  EXPECT_TRUE(profile.BeginLoading(0));
  profile.EndLoading();
  EXPECT_EQ(profile.Read("Husen1", "Text", "", 99), "stored");
}

// Held from the start to the end of a run (or a kill): what was made then
// is merged at the next start beside the stored note, never over it, and
// settings changed then win.
TEST_F(HeldFile, ChangesOfARunThatNeverReadTheFileAreMergedAtTheNextStart) {
  {
    IniProfile profile(path_);
    const UniqueFile other = Hold(GENERIC_READ, 0);
    EXPECT_FALSE(profile.BeginLoading(0));
    profile.WriteSection("Husen1", {"ID=0", "Text=meanwhile"});
    profile.Write("System", "Floating", "On");
  }
  IniProfile next(path_);
  ASSERT_TRUE(next.BeginLoading(0));
  next.EndLoading();
  EXPECT_EQ(next.Read("Husen1", "Text", "", 99), "stored");
  EXPECT_EQ(next.Read("Husen2", "Text", "", 99), "meanwhile");
  EXPECT_EQ(next.Read("System", "Floating", "", 99), "On");
  EXPECT_TRUE(next.SavePending());
  EXPECT_FALSE(testing::FileExists(path_ + kSettingsSideFiles[1]));
  EXPECT_EQ(testing::ReadFileBytes(path_),
            "[Husen1]\r\nID=1\r\nText=stored\r\n[System]\r\nFloating=On\r\n[Husen2]\r\nID=0\r\nText=meanwhile\r\n");
}

// Held at start, free later in the run: settings changed meanwhile stay
// (the board saves the notes made meanwhile itself, in free slots).
TEST_F(HeldFile, SettingsChangedBeforeTheFileIsReadWin) {
  IniProfile profile(path_);
  {
    const UniqueFile other = Hold(GENERIC_READ, 0);
    EXPECT_FALSE(profile.BeginLoading(0));
    profile.Write("System", "Floating", "On");
    profile.WriteSection("Husen1", {"ID=0", "Text=meanwhile"});
    EXPECT_FALSE(profile.RetryLoading());
  }
  ASSERT_TRUE(profile.RetryLoading());
  profile.EndLoading();
  EXPECT_EQ(profile.Read("System", "Floating", "", 9), "On");
  EXPECT_EQ(profile.Read("Husen1", "Text", "", 99), "stored");
}

// Held while changes wait, then the program is killed: they reach the file
// at the next start.
TEST_F(HeldFile, ChangesWaitingAtAKillReachTheFileAtTheNextStart) {
  {
    IniProfile profile(path_);
    ASSERT_TRUE(profile.BeginLoading(0));
    profile.EndLoading();
    const UniqueFile other = Hold(GENERIC_READ, FILE_SHARE_READ);
    profile.Write("Husen1", "Text", "edited\r");
    EXPECT_FALSE(profile.SavePending());
  }
  IniProfile next(path_);
  ASSERT_TRUE(next.BeginLoading(0));
  next.EndLoading();
  EXPECT_TRUE(next.SavePending());
  EXPECT_EQ(testing::ReadFileBytes(path_), "[Husen1]\r\nID=1\r\nText=edited\r\r\n");
}

// A change to the file at path, which already holds "[Husen1]\r\nID=1\r\n";
// the copy it writes first stands beside the file that path names, target.
void SavePosXThrough(const std::string& path, const std::string& target) {
  IniProfile profile(path);
  ASSERT_TRUE(profile.BeginLoading(0));
  profile.EndLoading();
  profile.Write("Husen1", "PosX", "4");
  EXPECT_TRUE(profile.SavePending());
  EXPECT_FALSE(testing::FileExists(target + kSettingsSideFiles[0]));
}

// A settings file that is a link to a file beside it (made when the tests
// are configured) keeps being that link; one with a second name keeps both,
// written in place once the copy has shown that the new bytes fit.
TEST(IniProfileLinks, SymbolicAndHardLinksAreWrittenThrough) {
  std::string dir = std::string("Z:") + ZETTRELLA_LINK_DIR;
  for (char& c : dir) c = c == '/' ? '\\' : c;
  const std::string real = dir + "\\real.ini", link = dir + "\\Zettrella.ini";
  testing::WriteFileBytes(real, "[Husen1]\r\nID=1\r\n");
  SavePosXThrough(link, real);
  EXPECT_EQ(testing::ReadFileBytes(real), "[Husen1]\r\nID=1\r\nPosX=4\r\n");
  testing::WriteFileBytes(real, "[Husen1]\r\nID=2\r\n");
  EXPECT_EQ(testing::ReadFileBytes(link), "[Husen1]\r\nID=2\r\n") << "the link was replaced by a file";

  testing::TempDir hard("zhard");
  const std::string other = hard.File("other.ini"), path = hard.File("Zettrella.ini");
  testing::WriteFileBytes(other, "[Husen1]\r\nID=1\r\n");
  ASSERT_TRUE(CreateHardLinkA(path.c_str(), other.c_str(), nullptr));
  SavePosXThrough(path, path);
  EXPECT_EQ(testing::ReadFileBytes(other), "[Husen1]\r\nID=1\r\nPosX=4\r\n");
}

}  // namespace
}  // namespace zettrella
