// Setup's folder and file names: double-byte folder names, the profile
// folder, and paths too long for their buffers.
#include "setup/setup_paths.h"

#include <gtest/gtest.h>

namespace zettrella::setup {
namespace {

using std::nullopt;

TEST(SetupDirectoryOf, CutsAtTheLastBackslash) {
  EXPECT_EQ(DirectoryOf("C:\\Program Files\\Zettrella\\setup.exe"), "C:\\Program Files\\Zettrella");
  EXPECT_EQ(DirectoryOf("C:\\setup.exe"), "C:");
  EXPECT_EQ(DirectoryOf("\\\\server\\share\\setup.exe"), "\\\\server\\share");
}

TEST(SetupDirectoryOf, StepsOverTrailBytesThatLookLikeABackslash) {
  // "表" is 0x95 0x5C and "ソ" is 0x83 0x5C in code page 932.
  EXPECT_EQ(DirectoryOf("C:\\Tools\\\x95\x5C.exe"), "C:\\Tools");
  EXPECT_EQ(DirectoryOf("C:\\\x83\x5C\\setup.exe"), "C:\\\x83\x5C");
  EXPECT_EQ(DirectoryOf("C:\\予定表\\setup.exe"), "C:\\予定表");
}

TEST(SetupDirectoryOf, GivesNothingWithoutAFolder) {
  EXPECT_EQ(DirectoryOf("setup.exe"), nullopt);
  EXPECT_EQ(DirectoryOf(""), nullopt);
  EXPECT_EQ(DirectoryOf("\\setup.exe"), nullopt);
  EXPECT_EQ(DirectoryOf("\x95\x5Csetup.exe"), nullopt);
}

TEST(SetupProfileDir, IsTheUserProfile) {
  SetupEnvironment env;
  env.userProfile = "C:\\Users\\taro";
  EXPECT_EQ(ProfileDir(env), "C:\\Users\\taro");
}

TEST(SetupProfileDir, UnsetOrEmptyVariableGivesNothing) {
  SetupEnvironment env;
  EXPECT_EQ(ProfileDir(env), nullopt);
  env.userProfile = "";
  EXPECT_EQ(ProfileDir(env), nullopt);
}

TEST(SetupFolders, QuickLaunchLiesBelowTheProfile) {
  EXPECT_EQ(QuickLaunchDir("C:\\WINDOWS"), "C:\\WINDOWS\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch");
}

TEST(SetupFolders, StartupFolderIsNamedInFullWidthKatakana) {
  // Full-width katakana, as code page 932 bytes.
  const std::string fullWidth =
      "P\\\x83\x58\x83\x5E\x81\x5B\x83\x67 \x83\x81\x83\x6A\x83\x85\x81\x5B"
      "\\\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80"
      "\\\x83\x58\x83\x5E\x81\x5B\x83\x67\x83\x41\x83\x62\x83\x76";
  EXPECT_EQ(StartupDir("P"), fullWidth);
}

TEST(SetupFolders, ComputedFromTheEnvironment) {
  SetupEnvironment env;
  env.modulePath = "D:\\付箋\\setup.exe";
  env.userProfile = "C:\\Users\\taro";
  const SetupPaths nt = ComputeSetupPaths(env);
  EXPECT_EQ(nt.setupDir, "D:\\付箋");
  EXPECT_EQ(nt.quickLaunchDir, "C:\\Users\\taro\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch");
  EXPECT_EQ(nt.startupDir, "C:\\Users\\taro\\スタート メニュー\\プログラム\\スタートアップ");

  env.userProfile.reset();
  const SetupPaths noProfile = ComputeSetupPaths(env);
  EXPECT_EQ(noProfile.setupDir, "D:\\付箋");
  EXPECT_EQ(noProfile.quickLaunchDir, nullopt);
  EXPECT_EQ(noProfile.startupDir, nullopt);
}

TEST(SetupFiles, NamesBesideSetupAndInTheShortcutFolders) {
  EXPECT_EQ(SettingsFilePath("C:\\Z"), "C:\\Z\\Zettrella.ini");
  EXPECT_EQ(TargetPath("C:\\Z"), "C:\\Z\\Zettrella.exe");
  EXPECT_EQ(ShortcutPath("C:\\Q"), "C:\\Q\\\x95\x74\xE2\xB3.lnk");
  EXPECT_EQ(SettingsFilePath(""), nullopt);
  EXPECT_EQ(TargetPath(""), nullopt);
  EXPECT_EQ(ShortcutPath(""), nullopt);
}

TEST(SetupFiles, PathsThatWouldNotFitTheirBufferAreRefused) {
  // "\Zettrella.ini" is 14 bytes: 245 + 14 = 259 bytes plus terminator fit.
  const std::string fits(245, 'a');
  ASSERT_TRUE(SettingsFilePath(fits));
  EXPECT_EQ(SettingsFilePath(fits)->size(), kPathBufferBytes - 1);
  EXPECT_EQ(SettingsFilePath(fits + "b"), nullopt);
  EXPECT_EQ(TargetPath(fits + "b"), nullopt);

  // "\付箋.lnk" is 9 bytes.
  EXPECT_TRUE(ShortcutPath(std::string(250, 'q')));
  EXPECT_EQ(ShortcutPath(std::string(251, 'q')), nullopt);

  const std::string quickLaunchTail = "\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch";
  const std::string profile(kPathBufferBytes - 1 - quickLaunchTail.size(), 'p');
  EXPECT_EQ(QuickLaunchDir(profile)->size(), kPathBufferBytes - 1);
  EXPECT_EQ(QuickLaunchDir(profile + "p"), nullopt);
  EXPECT_EQ(StartupDir(std::string(240, 'p')), nullopt);
}

TEST(SetupFiles, OverlongEnvironmentRefusesTheShortcutFolders) {
  SetupEnvironment env;
  env.modulePath = "C:\\Z\\setup.exe";
  env.userProfile = std::string(300, 'p');
  const SetupPaths paths = ComputeSetupPaths(env);
  EXPECT_EQ(paths.quickLaunchDir, nullopt);
  EXPECT_EQ(paths.startupDir, nullopt);
  EXPECT_EQ(paths.setupDir, "C:\\Z");
}

}  // namespace
}  // namespace zettrella::setup
