// The note program and setup in a folder whose Japanese name holds "\" (0x5C) as the
// second byte of two-byte characters: "ソフト表" is 83 5C 83 74 83 67 95 5C.
// A path split at the wrong "\" would look for its files one folder up or
// in a folder that does not exist.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/protocol.h"
#include "tests/support/zettrella_run.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

constexpr char kFolderName[] = "\x83\x5C\x83\x74\x83\x67\x95\x5C";

// The names in a folder, without "." and "..".
std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return names;
}

TEST(BackslashTrailFolder, ProgramAndSetupWorkFromIt) {
  ZettrellaRun run("[System]\r\nTrayDelay=0\r\n" + NoteSection(1, "ID=0\r\nPriority=0\r\nText=kept\r\n"),
                   Layer::kRecording, kFolderName);
  ASSERT_EQ(run.folder(), run.dir().path() + "\\" + kFolderName);

  ASSERT_TRUE(run.Start());
  // The layer library came from the program's folder and was told so.
  EXPECT_EQ(run.Calls().at(0), "_load(\"" + run.folder() + "\")");
  // The settings file was found: its note is shown.
  EXPECT_EQ(CallsNamed(run.Calls(), "_create(").size(), 1u);
  // A raise is saved into that file.
  ASSERT_EQ(run.Send(Record(kEventLButtonDown, 100, 0, 0)), 1);
  ASSERT_EQ(run.Send(Record(kEventLButtonUp, 100, 0, 0)), 1);
  EXPECT_EQ(run.Ini("Husen1", "Priority"), "1");
  EXPECT_EQ(run.Ini("Husen1", "Text"), "kept");
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
  // Nothing landed beside the folder (a settings file cut at the first
  // trail byte would be "\x83.ini" one folder up).
  EXPECT_EQ(NamesIn(run.dir().path()), std::vector<std::string>{kFolderName});

  // setup.exe from the same folder finds the program beside it.
  CopyFileOrFail(ExeDir() + "\\setup.exe", run.File("setup.exe"));
  TempDir profile("ztp");
  CreateFolders(profile.File(kQuickLaunchFolder));
  CreateFolders(profile.File(kStartupFolder));
  ASSERT_TRUE(RunSetupAndPressOk(run.File("setup.exe"), profile.path()));
  const ShortcutContent quick = ReadShortcut(profile.File(kQuickLaunchFolder) + "\\" + kShortcutName);
  ASSERT_TRUE(quick.loaded);
  EXPECT_STRCASEEQ(quick.path.c_str(), run.File("Zettrella.exe").c_str());
  const ShortcutContent startup = ReadShortcut(profile.File(kStartupFolder) + "\\" + kShortcutName);
  ASSERT_TRUE(startup.loaded);
  EXPECT_STRCASEEQ(startup.path.c_str(), run.File("Zettrella.exe").c_str());
}

}  // namespace
}  // namespace zettrella::testing
