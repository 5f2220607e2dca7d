#include <gtest/gtest.h>

#include "common/ascii.h"
#include "common/mbcs.h"
#include "common/protocol.h"
#include "notes/app/app_paths.h"

namespace zettrella {
namespace {

TEST(AppPaths, FolderAndSettingsFileOfTheProgram) {
  EXPECT_EQ(ModuleDirOf("C:\\Apps\\Zettrella.exe"), "C:\\Apps");
  EXPECT_EQ(IniPathOf("C:\\Apps\\Zettrella.exe"), "C:\\Apps\\Zettrella.ini");
  EXPECT_EQ(ModuleDirOf("Zettrella.exe"), "");
  EXPECT_EQ(IniPathOf("C:\\Apps\\Zettrella"), ".ini");
  EXPECT_EQ(IniPathOf("Zettrella"), ".ini");
}

TEST(AppPaths, APathThatFilledTheBufferGivesNoSettingsFile) {
  // Cut at 260 bytes inside the folder "a.b\\nnn...": its last dot would
  // name C:\\a.ini.
  const std::string cut = "C:\\a.b\\" + std::string(300, 'n');
  EXPECT_EQ(ProgramPathsOf(cut.substr(0, 260), 260).iniPath, "");
  EXPECT_EQ(ProgramPathsOf(cut.substr(0, 260), 260).moduleDir, "");
  EXPECT_EQ(ProgramPathsOf("", 260).iniPath, "");
  EXPECT_EQ(ProgramPathsOf(cut.substr(0, 259), 260).iniPath, "C:\\a.ini");
  EXPECT_EQ(ProgramPathsOf("C:\\a.b\\Z.exe", 260).iniPath, "C:\\a.b\\Z.ini");
}

TEST(AppPaths, BackslashByteInsideADoubleByteCharacterIsNotACut) {
  // "ソフト表" holds 0x5C as the second byte of "ソ" and of "表".
  const std::string folder = "C:\\\x83\x5C\x83\x74\x83\x67\x95\x5C";
  EXPECT_EQ(ModuleDirOf(folder + "\\Zettrella.exe"), folder);
  EXPECT_EQ(IniPathOf(folder + "\\Zettrella.exe"), folder + "\\Zettrella.ini");
  EXPECT_EQ(ModuleDirOf("\x95\x5C"), "");
}

TEST(Mbcs, CutNeverSplitsACharacter) {
  EXPECT_EQ(CutAtCharBoundary("ab\x82\xA0", 3), "ab");
  EXPECT_EQ(CutAtCharBoundary("ab\x82\xA0", 4), "ab\x82\xA0");
  EXPECT_EQ(CutAtCharBoundary("abc", 0), "");
  // A lead byte that ends the text is a character of its own.
  EXPECT_EQ(CutAtCharBoundary("ab\x82", 3), "ab\x82");
  EXPECT_EQ(FindLastChar("a\\b\x95\x5C", '\\'), 1u);
}

TEST(CommandLine, StartupArgumentInAnyCaseButAlone) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("-startup", kStartupArgument));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("-STARTUP", kStartupArgument));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("-StartUp", kStartupArgument));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("-startup now", kStartupArgument));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("", kStartupArgument));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("startup", kStartupArgument));
}

}  // namespace
}  // namespace zettrella
