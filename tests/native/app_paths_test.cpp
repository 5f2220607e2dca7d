// The program's folder and settings file, found from its own path.
#include "notes/app/app_paths.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace zettrella
