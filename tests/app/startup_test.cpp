// The note program as a process: its binding to the layer library, the
// published window, a single copy, the hidden window that Enter, Escape and
// Close never end, hand-edited garbage, the start argument, and the release
// steps at the end.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "common/protocol.h"
#include "common/store_format.h"
#include "tests/support/hot_key_probe.h"
#include "tests/support/zettrella_run.h"

namespace zettrella::testing {
namespace {

int Count(const std::string& log, const std::string& text) {
  int n = 0;
  for (size_t pos = log.find(text); pos != std::string::npos; pos = log.find(text, pos + 1)) ++n;
  return n;
}

std::string Section(int number, const std::string& body) { return "[Husen" + std::to_string(number) + "]\r\n" + body; }

std::string StoreFilePath() {
  char temp[MAX_PATH] = {};
  GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
  return std::string(temp) + "\\" + StoreFileName(kStoreName);
}

std::string HandleText(HWND window) { return std::to_string(reinterpret_cast<intptr_t>(window)); }

TEST(Startup, LoadsTheLayerFromItsFolderPublishesAndHidesItsWindow) {
  ZettrellaRun run("[System]\r\nFloating=oN\r\n" + Section(1, "ID=0\r\n"));
  ASSERT_TRUE(run.Start());
  const std::string log = run.Log();
  EXPECT_EQ(log.find("_load(\"" + run.dir().path() + "\")\r\n_floating(1)\r\n_attach(" + HandleText(run.window()) +
                     ")\r\n_lock_draw()"),
            0u)
      << log;
  EXPECT_EQ(ReadFileBytes(StoreFilePath()), std::string(kStoreWindowKey) + "=" + HandleText(run.window()) + "\r\n\r\n");

  RECT rect{};
  GetWindowRect(run.window(), &rect);
  EXPECT_EQ(rect.left, -100);
  EXPECT_EQ(rect.top, -100);
  EXPECT_TRUE(GetWindowLongA(run.window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(run.Quit());
}

TEST(Startup, QuitMessageReleasesInOrderAndDeletesTheStoreFile) {
  ZettrellaRun run(Section(1, "ID=3\r\nText=a\r\n") + Section(2, "ID=4\r\n"));
  ASSERT_TRUE(run.Start());
  const std::string ini = run.IniBytes();
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
  const std::string log = run.Log();
  const size_t first = log.find("_delete_bitmap(1000)");
  const size_t second = log.find("_delete_bitmap(1001)");
  const size_t unload = log.find("_unload()");
  ASSERT_NE(first, std::string::npos) << log;
  ASSERT_NE(second, std::string::npos) << log;
  EXPECT_LT(first, second);
  EXPECT_LT(second, unload);
  EXPECT_EQ(log.substr(unload), "_unload()\r\n");
  EXPECT_FALSE(FileExists(StoreFilePath()));
  EXPECT_EQ(run.IniBytes(), ini);  // nothing is written at shutdown
}

TEST(Startup, SecondCopyEndsAtOnceAndLeavesTheFirstAlone) {
  ZettrellaRun run(Section(1, "ID=0\r\n"));
  ASSERT_TRUE(run.Start());
  const std::string before = run.Log();
  ChildProcess second;
  ASSERT_TRUE(second.Start("\"" + run.dir().File("Zettrella.exe") + "\"", run.dir().path()));
  ASSERT_TRUE(second.Wait(10000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(run.process().Running());
  EXPECT_EQ(run.Log(), before);
  EXPECT_EQ(ReadFileBytes(StoreFilePath()), std::string(kStoreWindowKey) + "=" + HandleText(run.window()) + "\r\n\r\n");
  EXPECT_TRUE(run.Quit());
}

TEST(Startup, EndOfSessionReleasesOnceAndTheLaterQuitLeavesTheLayerAlone) {
  ZettrellaRun run(Section(1, "ID=0\r\n"));
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

// A log-off that another program (or the user) cancels ends with
// WM_ENDSESSION(FALSE): the released program comes back whole instead of
// living on without notes, tray icon or hot keys and turning new starts away.
TEST(Startup, CancelledEndOfSessionBringsEverythingBack) {
  ZettrellaRun run(Section(1, "ID=0\r\nText=a\r\n"));
  ASSERT_TRUE(run.Start());
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutA(run.window(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &result));
  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = run.window();
  icon.uID = kTrayIconId;
  auto trayIconShown = [&] { return Shell_NotifyIconA(NIM_MODIFY, &icon) != FALSE; };
  ASSERT_TRUE(WaitUntilCombosFree({VK_F1}));
  EXPECT_FALSE(trayIconShown());
  // An end that goes on changes nothing more.
  run.Mark();
  ASSERT_TRUE(SendMessageTimeoutA(run.window(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &result));
  EXPECT_FALSE(ComboTaken(VK_F1));
  EXPECT_TRUE(run.NewCalls().empty());

  ASSERT_TRUE(SendMessageTimeoutA(run.window(), WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, 10000, &result));
  const std::vector<std::string> back = run.NewCalls();
  ASSERT_FALSE(back.empty());
  EXPECT_EQ(back.front(), "_load(\"" + run.dir().path() + "\")");
  EXPECT_EQ(CallsNamed(back, "_create(").size(), 1u);
  EXPECT_TRUE(ComboTaken(VK_F1));
  EXPECT_TRUE(trayIconShown());
  // The note answers to its new id, and the program ends as usual.
  const std::string id = run.Ini("Husen1", "ID");
  run.Mark();
  EXPECT_EQ(run.Send(Record(kEventLButtonDown, std::stoi(id), 0, 0)), 1);
  EXPECT_EQ(run.NewCalls(), std::vector<std::string>{"_set_priority(" + id + ",1)"});
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
  EXPECT_EQ(Count(run.Log(), "_unload()"), 2);
}

TEST(Startup, EnterEscapeAndCloseNeverEndTheHiddenWindow) {
  ZettrellaRun run("");
  ASSERT_TRUE(run.Start());
  SendMessageA(run.window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  SendMessageA(run.window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  SendMessageA(run.window(), WM_CLOSE, 0, 0);
  DWORD_PTR ignored = 0;
  EXPECT_TRUE(SendMessageTimeoutA(run.window(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored));
  EXPECT_TRUE(run.process().Running());
  EXPECT_TRUE(run.Quit());
}

TEST(Startup, HandEditedGarbageNeverCrashesIt) {
  std::string ini =
      "[System]\r\nTrayDelay=-99999999999\r\nWidth=abc\r\nHeight=2147483647\r\nFontSize=-2147483648\r\n"
      "Floating=maybe\r\nUnknown=1\r\n";
  ini += Section(1,
                 "ID=2147483647\r\nPriority=-2147483648\r\nPosX=99999999999999\r\nPosY=-99999999999999\r\n"
                 "Width=-2147483648\r\nType=77\r\nFontSize=2147483647\r\nText=" +
                     std::string(5000, 'x') + "\r\nTextAsterNum=-5\r\nTextAster=1\r\nBogus=1\r\n");
  ini += Section(2, "ID=1\r\nPriority=2147483647\r\nWidth=2147483647\r\nText=\x82\xA0\\n\x95\\\r\n");
  ini += Section(3, "ID=junk\r\n");
  ini += Section(150, "ID=1\r\nText=beyond\r\n");
  ini += "[Husen4\r\ngarbage line without equals\r\n\x01\x02\xff\xfe\r\n";
  ZettrellaRun run(ini);
  ASSERT_TRUE(run.Start());
  EXPECT_TRUE(run.process().Running());
  EXPECT_EQ(run.Ini("Husen1", "Text").size(), 1024u);
  EXPECT_EQ(run.Ini("Husen1", "Bogus"), "1");
  EXPECT_EQ(run.Ini("Husen150", "Text"), "beyond");
  EXPECT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
}

TEST(Startup, StartupArgumentStillShowsTheNotesAtOnce) {
  ZettrellaRun run("[System]\r\nTrayDelay=3600\r\n" + Section(1, "ID=0\r\n"));
  ASSERT_TRUE(run.Start("-STARTUP"));
  EXPECT_NE(run.Log().find("_create("), std::string::npos);
  // The tray icon still waiting for its delay does not hold up the end.
  const DWORD start = GetTickCount();
  EXPECT_TRUE(run.Quit());
  EXPECT_LT(GetTickCount() - start, 8000u);
}

}  // namespace
}  // namespace zettrella::testing
