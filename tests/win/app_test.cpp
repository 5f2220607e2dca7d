// The note program as a process: single instance, start-up from the
// settings file, the published window, the layer library's binding and the
// release steps, with the recording layer library beside it.
#include <gtest/gtest.h>

#include "tests/support/program_run.h"

namespace zettrella {
namespace {

using testing::Layer;
using testing::ProgramRun;

// Counts the occurrences of text in log.
int Count(const std::string& log, const std::string& text) {
  int n = 0;
  for (size_t pos = log.find(text); pos != std::string::npos; pos = log.find(text, pos + 1)) ++n;
  return n;
}

std::string Section(int number, const std::string& body) {
  return "[Husen" + std::to_string(number) + "]\r\n" + body;
}

TEST(App, StartsFromTheSettingsFileAndAttachesTheLayer) {
  std::string ini = "[System]\r\nFloating=oN\r\nHeight=40\r\n";
  const int priorities[] = {5, 9, 9, 12, 7};
  for (int i = 0; i < 5; ++i) {
    ini += Section(i + 1, "ID=" + std::to_string(i) + "\r\nPriority=" + std::to_string(priorities[i]) +
                              "\r\nPosX=" + std::to_string(10 * i) + "\r\nPosY=20\r\nText=t" + std::to_string(i) +
                              "\r\n");
  }
  ini += Section(7, "ID=-1\r\nText=empty slot\r\n");
  ProgramRun run(Layer::kRecording, ini);
  ASSERT_TRUE(run.Start());

  const std::string log = run.Log();
  EXPECT_EQ(log.find("_load(\"" + run.dir().path() + "\")"), 0u) << log;
  const std::string attach = "_attach(" + std::to_string(reinterpret_cast<intptr_t>(run.window())) + ")";
  EXPECT_NE(log.find("_floating(1)\r\n" + attach), std::string::npos) << log;

  // Every stored note is built with its normalised priority, in slot order.
  const int normalised[] = {0, 2, 2, 3, 1};
  size_t pos = 0;
  for (int i = 0; i < 5; ++i) {
    const std::string create = "_create(" + std::to_string(10 * i) + ",20,0,0," + std::to_string(normalised[i]) + ")=" +
                               std::to_string(100 + i);
    pos = log.find(create, pos);
    ASSERT_NE(pos, std::string::npos) << create << "\n" << log;
    // The new id and the normalised priority are saved.
    const std::string section = "Husen" + std::to_string(i + 1);
    EXPECT_EQ(run.IniValue(section.c_str(), "ID"), std::to_string(100 + i));
    EXPECT_EQ(run.IniValue(section.c_str(), "Priority"), std::to_string(normalised[i]));
    EXPECT_EQ(run.IniValue(section.c_str(), "Width"), "200");
    EXPECT_EQ(run.IniValue(section.c_str(), "FontName"), "ＭＳ ゴシック");
  }
  EXPECT_EQ(Count(log, "_create("), 5);
  EXPECT_EQ(run.IniValue("Husen7", "Text"), "empty slot");
  EXPECT_EQ(run.IniValue("Husen7", "ID"), "-1");
  // The height rule uses the System height: an empty-looking card is 40 high.
  EXPECT_NE(log.find("_create_bitmap(200,40)"), std::string::npos) << log;

  const std::string store = testing::ReadFileBytes(ProgramRun::StoreFilePath());
  EXPECT_EQ(store, "HWnd=" + std::to_string(reinterpret_cast<intptr_t>(run.window())) + "\r\n\r\n");

  // The hidden main window: off-screen, no taskbar button.
  RECT rect{};
  GetWindowRect(run.window(), &rect);
  EXPECT_EQ(rect.left, -100);
  EXPECT_EQ(rect.top, -100);
  EXPECT_TRUE(GetWindowLongA(run.window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST(App, QuitMessageReleasesInOrderAndDeletesTheStoreFile) {
  ProgramRun run(Layer::kRecording, Section(1, "ID=3\r\nText=a\r\n") + Section(2, "ID=4\r\n"));
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
  const std::string log = run.Log();
  const size_t first = log.find("_delete_bitmap(1000)");
  const size_t second = log.find("_delete_bitmap(1001)");
  const size_t unload = log.find("_unload()");
  ASSERT_NE(first, std::string::npos) << log;
  ASSERT_NE(second, std::string::npos) << log;
  ASSERT_NE(unload, std::string::npos) << log;
  EXPECT_LT(first, second);
  EXPECT_LT(second, unload);
  EXPECT_EQ(log.substr(unload), "_unload()\r\n");
  EXPECT_FALSE(testing::FileExists(ProgramRun::StoreFilePath()));
  // Nothing is written at shutdown.
  EXPECT_EQ(run.IniValue("Husen1", "ID"), "100");
}

TEST(App, SecondCopyEndsAtOnceAndLeavesTheFirstAlone) {
  ProgramRun run(Layer::kRecording, Section(1, "ID=0\r\n"));
  ASSERT_TRUE(run.Start());
  const std::string before = run.Log();
  testing::ChildProcess second;
  ASSERT_TRUE(second.Start("\"" + run.dir().File("Zettrella.exe") + "\"", run.dir().path()));
  ASSERT_TRUE(second.Wait(10000));
  EXPECT_TRUE(run.process().Running());
  EXPECT_EQ(run.Log(), before);
  EXPECT_EQ(ProgramRun::PublishedWindow(), run.window());
  EXPECT_TRUE(run.Quit());
}

TEST(App, EndOfSessionReleasesOnceAndTheLaterQuitLeavesTheLayerAlone) {
  ProgramRun run(Layer::kRecording, Section(1, "ID=0\r\n"));
  ASSERT_TRUE(run.Start());
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutA(run.window(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &result));
  EXPECT_EQ(result, static_cast<DWORD_PTR>(TRUE));
  EXPECT_EQ(Count(run.Log(), "_unload()"), 1);
  EXPECT_TRUE(run.process().Running());
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(Count(run.Log(), "_unload()"), 1);
  EXPECT_EQ(Count(run.Log(), "_delete_bitmap("), 1);
}

TEST(App, EnterAndEscapeNeverEndTheHiddenWindow) {
  ProgramRun run(Layer::kRecording);
  ASSERT_TRUE(run.Start());
  SendMessageA(run.window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  SendMessageA(run.window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  SendMessageA(run.window(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(run.process().Wait(300));
  EXPECT_TRUE(IsWindow(run.window()));
  EXPECT_TRUE(run.Quit());
}

TEST(App, WithoutTheLayerLibraryItRunsOnAndKeepsEveryNote) {
  const std::string ini = Section(1, "ID=7\r\nPriority=3\r\nPosX=11\r\nPosY=12\r\nWidth=250\r\nType=1\r\nText=keep\\nme\r\n") +
                          Section(9, "ID=2\r\nText=second\r\n");
  {
    ProgramRun run(Layer::kNone, ini);
    ASSERT_TRUE(run.Start());
    EXPECT_TRUE(run.process().Running());
    EXPECT_EQ(run.IniValue("Husen1", "Text"), "keep\\nme");
    EXPECT_EQ(run.IniValue("Husen1", "PosX"), "11");
    EXPECT_EQ(run.IniValue("Husen1", "Width"), "250");
    EXPECT_EQ(run.IniValue("Husen1", "Type"), "1");
    EXPECT_EQ(run.IniValue("Husen9", "Text"), "second");
    EXPECT_GE(std::stoi(run.IniValue("Husen1", "ID")), 0);
    EXPECT_GE(std::stoi(run.IniValue("Husen9", "ID")), 0);
    EXPECT_TRUE(run.Quit());
  }
}

TEST(App, FailingLayerKeepsTheNotesForTheNextRun) {
  ProgramRun run(Layer::kRecording, Section(1, "ID=7\r\nText=survives\r\n"));
  testing::WriteFileBytes(run.dir().File("vextal-mode.txt"), "fail-create");
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.Quit());
  EXPECT_NE(run.Log().find("=-1"), std::string::npos);
  EXPECT_EQ(run.IniValue("Husen1", "Text"), "survives");
  EXPECT_EQ(run.IniValue("Husen1", "ID"), "0");

  DeleteFileA(run.dir().File("vextal-mode.txt").c_str());
  DeleteFileA(run.dir().File("vextal-calls.log").c_str());
  ASSERT_TRUE(run.Start());
  EXPECT_NE(run.Log().find("_create(0,0,0,0,0)=100"), std::string::npos) << run.Log();
  EXPECT_EQ(run.IniValue("Husen1", "ID"), "100");
  EXPECT_TRUE(run.Quit());
}

TEST(App, HandEditedGarbageNeverCrashesIt) {
  std::string ini = "[System]\r\nTrayDelay=-99999999999\r\nWidth=abc\r\nHeight=2147483647\r\nFontSize=-2147483648\r\n"
                    "Floating=maybe\r\nUnknown=1\r\n";
  ini += Section(1, "ID=2147483647\r\nPriority=-2147483648\r\nPosX=99999999999999\r\nPosY=-99999999999999\r\n"
                    "Width=-2147483648\r\nType=77\r\nFontSize=2147483647\r\nText=" + std::string(5000, 'x') +
                    "\r\nTextAsterNum=-5\r\nTextAster=1\r\nBogus=1\r\n");
  ini += Section(2, "ID=1\r\nPriority=2147483647\r\nWidth=2147483647\r\nText=\x82\xA0\\n\x95\\\r\n");
  ini += Section(3, "ID=junk\r\n");
  ini += Section(150, "ID=1\r\nText=beyond\r\n");
  ini += "[Husen4\r\ngarbage line without equals\r\n\x01\x02\xff\xfe\r\n";
  ProgramRun run(Layer::kRecording, ini);
  ASSERT_TRUE(run.Start());
  EXPECT_TRUE(run.process().Running());
  EXPECT_EQ(run.IniValue("Husen1", "Text").size(), 1024u);
  EXPECT_EQ(run.IniValue("Husen150", "Text"), "beyond");
  EXPECT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
}

TEST(App, StartupArgumentStillShowsTheNotesAtOnce) {
  ProgramRun run(Layer::kRecording, "[System]\r\nTrayDelay=3600\r\n" + Section(1, "ID=0\r\n"));
  ASSERT_TRUE(run.Start("-STARTUP"));
  EXPECT_NE(run.Log().find("_create("), std::string::npos);
  // The waiting tray thread does not hold the program up at the end.
  const DWORD start = GetTickCount();
  EXPECT_TRUE(run.Quit());
  EXPECT_LT(GetTickCount() - start, 5000u);
}

}  // namespace
}  // namespace zettrella
