// setup.exe meeting a running note program (a stand-in that owns the
// shared value store as the note program does).
#include <gtest/gtest.h>

#include "common/protocol.h"
#include "common/shared_value_store.h"
#include "common/win_handles.h"
#include "resources/setup_res.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

constexpr DWORD kTimeoutMs = 20000;
constexpr char kNotice[] = "Zettrellaが起動中です。\nセットアップは、Zettrellaを安全に終了させます。";

constexpr char kStillRunning[] = "Zettrellaが終了しません。\nセットアップは、何も変更せずに終了します。";

// The stand-in (the built one, or a copy at exe), started and waited for
// until the store shows the value it publishes.
class StandIn {
 public:
  explicit StandIn(const std::string& arguments = "", const std::string& exe = ExeDir() + "\\zettrella_standin.exe") {
    started_ = process_.Start("\"" + exe + "\" " + arguments);
    const SharedValueStore reader(kStoreName, false);
    std::string value;
    published_ = started_ && PumpUntil([&] { return reader.GetValue(kStoreWindowKey, "", &value) && !value.empty(); });
  }
  bool ready() const { return published_; }
  ChildProcess& process() { return process_; }

 private:
  ChildProcess process_;
  bool started_ = false;
  bool published_ = false;
};

bool NoProgramPublishes() {
  const SharedValueStore reader(kStoreName, false);
  std::string value;
  return !reader.GetValue(kStoreWindowKey, "0", &value);
}

TEST(SetupRunningNoteProgram, IsAnnouncedOnceAndStoppedEvenWhenSetupIsCancelled) {
  StandIn standIn;
  ASSERT_TRUE(standIn.ready());
  SetupSandbox sandbox(true);
  ChildProcess setup;
  ASSERT_TRUE(setup.StartWithProfile(sandbox.setupExe(), sandbox.profileDir()));

  HWND notice = WaitForDialog(setup.Id(), kMessageBox, kTimeoutMs);
  ASSERT_TRUE(notice);
  EXPECT_TRUE(HasChildWithText(notice, kNotice));
  EXPECT_TRUE(GetDlgItem(notice, IDOK));
  EXPECT_FALSE(GetDlgItem(notice, IDCANCEL));
  // The dialog shows only after the notice, and the request is posted only
  // once the user has read it.
  EXPECT_FALSE(FindDialog(setup.Id(), kSetupCaption));
  EXPECT_TRUE(standIn.process().Running());

  PressButton(notice, IDOK);
  HWND dialog = WaitForDialog(setup.Id(), kSetupCaption);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(FindDialog(setup.Id(), kMessageBox));
  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(setup.Wait(kTimeoutMs));

  ASSERT_TRUE(standIn.process().Wait(kTimeoutMs)) << "the note program was not stopped";
  EXPECT_EQ(standIn.process().ExitCode(), 0u);
  EXPECT_TRUE(NoProgramPublishes());
}

TEST(SetupRunningNoteProgram, WithoutOneSetupShowsNoBox) {
  ASSERT_TRUE(NoProgramPublishes());
  SetupSandbox sandbox(true);
  ChildProcess setup;
  HWND dialog = sandbox.StartSetup(setup);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(FindDialog(setup.Id(), kMessageBox));
  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(setup.Wait(kTimeoutMs));
}

// A store whose HWnd reads as 0 names no window: no box and no request.
TEST(SetupRunningNoteProgram, HandleReadingAsZeroIsIgnored) {
  for (const char* published : {"0", "none"}) {
    StandIn standIn(std::string("-hwnd ") + published);
    ASSERT_TRUE(standIn.ready());
    SetupSandbox sandbox(true);
    ChildProcess setup;
    HWND dialog = sandbox.StartSetup(setup);
    ASSERT_TRUE(dialog) << published;
    EXPECT_FALSE(FindDialog(setup.Id(), kMessageBox)) << published;
    PressButton(dialog, IDCANCEL);
    ASSERT_TRUE(setup.Wait(kTimeoutMs));
    EXPECT_TRUE(standIn.process().Running()) << published;

    // Ask the stand-in to end, the way setup would have.
    for (HWND window : WindowsOfProcess(standIn.process().Id(), "ZettrellaStandIn")) {
      PostMessageA(window, kQuitMessage, 0, 0);
    }
    EXPECT_TRUE(standIn.process().Wait(kTimeoutMs)) << published;
  }
}

// Starts setup beside the stand-in and closes the notice about it.
bool StartSetupAndReadNotice(ChildProcess& setup, const SetupSandbox& sandbox) {
  if (!setup.StartWithProfile(sandbox.setupExe(), sandbox.profileDir())) return false;
  HWND notice = WaitForDialog(setup.Id(), kMessageBox, kTimeoutMs);
  if (!notice || !HasChildWithText(notice, kNotice)) return false;
  PressButton(notice, IDOK);
  return true;
}

// A program that takes a while to end, and writes its settings file as it
// goes, is waited for: setup offers its dialog only once the program has
// ended, so the uninstall deletes the file for good.
TEST(SetupRunningNoteProgram, UninstallWaitsForASlowProgramToEndBeforeDeleting) {
  SetupSandbox sandbox(true);
  WriteFileBytes(sandbox.settingsFile(), "[System]\r\n");
  StandIn standIn("-linger 3000", sandbox.targetPath());
  ASSERT_TRUE(standIn.ready());
  ChildProcess setup;
  ASSERT_TRUE(StartSetupAndReadNotice(setup, sandbox));

  HWND dialog = WaitForDialog(setup.Id(), kSetupCaption, kTimeoutMs);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(standIn.process().Running()) << "the dialog came before the program ended";
  HWND question = StartUninstall(setup.Id(), dialog);
  ASSERT_TRUE(question);
  PressButton(question, IDNO);
  ASSERT_TRUE(setup.Wait(kTimeoutMs));
  ASSERT_TRUE(standIn.process().Wait(kTimeoutMs));
  EXPECT_FALSE(FileExists(sandbox.settingsFile()));
}

// A note program started while the question waits (it holds its mutex but,
// with TEMP unusable, publishes no window): nothing is deleted.
TEST(SetupRunningNoteProgram, ProgramStartedDuringUninstallKeepsItsSettings) {
  SetupSandbox sandbox(true);
  WriteFileBytes(sandbox.settingsFile(), "[System]\r\n");
  ChildProcess setup;
  HWND question = StartUninstall(setup.Id(), sandbox.StartSetup(setup));
  ASSERT_TRUE(question);
  const UniqueKernelHandle mutex(CreateMutexA(nullptr, FALSE, kMutexName));
  PressButton(question, IDNO);
  HWND report = nullptr;
  ASSERT_TRUE(
      PumpUntil([&] { return (report = FindDialog(setup.Id(), kMessageBox)) && report != question; }, kTimeoutMs));
  PressButton(report, IDOK);
  ASSERT_TRUE(setup.Wait(kTimeoutMs));
  EXPECT_EQ(ReadFileBytes(sandbox.settingsFile()), "[System]\r\n");
}

// A program that does not end is reported, and setup ends without its
// dialog: no shortcut and no settings file is written or deleted.
TEST(SetupRunningNoteProgram, ProgramThatDoesNotEndIsReportedAndNothingChanges) {
  SetupSandbox sandbox(true, ShortcutFolders::kStartup);
  WriteFileBytes(sandbox.startupShortcut(), "old startup link");
  WriteFileBytes(sandbox.settingsFile(), "[System]\r\n");
  StandIn standIn("-stay", sandbox.targetPath());
  ASSERT_TRUE(standIn.ready());
  ChildProcess setup;
  ASSERT_TRUE(StartSetupAndReadNotice(setup, sandbox));

  HWND report = nullptr;
  ASSERT_TRUE(PumpUntil(
      [&] {
        report = FindDialog(setup.Id(), kMessageBox);
        return report && HasChildWithText(report, kStillRunning);
      },
      kTimeoutMs))
      << "no report that the program still runs";
  EXPECT_TRUE(GetDlgItem(report, IDOK));
  EXPECT_FALSE(FindDialog(setup.Id(), kSetupCaption));
  PressButton(report, IDOK);
  ASSERT_TRUE(setup.Wait(kTimeoutMs));
  EXPECT_EQ(ReadFileBytes(sandbox.settingsFile()), "[System]\r\n");
  EXPECT_EQ(ReadFileBytes(sandbox.startupShortcut()), "old startup link");
  EXPECT_TRUE(standIn.process().Running());

  for (HWND window : WindowsOfProcess(standIn.process().Id(), "ZettrellaStandIn")) {
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  EXPECT_TRUE(standIn.process().Wait(kTimeoutMs));
}

}  // namespace
}  // namespace zettrella::testing
