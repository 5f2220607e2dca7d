// setup.exe driven as a user would: its dialog's boxes, install with the
// real shell link object, and what it leaves in the profile folders.
#include <gtest/gtest.h>

#include "resources/setup_res.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

constexpr DWORD kEndTimeoutMs = 20000;

class SetupDialogTest : public ::testing::Test {
 protected:
  HWND StartSetup(const SetupSandbox& sandbox) { return sandbox.StartSetup(setup_); }
  // Clicks a check box and waits until it shows the new state.
  static void Toggle(HWND dialog, int id) {
    const bool before = Checked(dialog, id);
    PressButton(dialog, id);
    ASSERT_TRUE(PumpUntil([&] { return Checked(dialog, id) != before; }));
  }
  void PressOkAndWaitForEnd(HWND dialog) {
    PressButton(dialog, IDOK);
    ASSERT_TRUE(setup_.Wait(kEndTimeoutMs)) << "setup did not end (a message box?)";
  }

  ChildProcess setup_;
};

TEST_F(SetupDialogTest, InstallWritesBothShortcutsToTheNoteProgramBesideSetup) {
  SetupSandbox sandbox(true, ShortcutFolders::kBoth);

  HWND dialog = StartSetup(sandbox);
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(Checked(dialog, IDC_SETUP_QUICK_LAUNCH));
  EXPECT_TRUE(Enabled(dialog, IDC_SETUP_QUICK_LAUNCH));
  EXPECT_TRUE(Checked(dialog, IDC_SETUP_STARTUP));
  EXPECT_FALSE(Checked(dialog, IDC_SETUP_UNINSTALL));
  EXPECT_EQ(WindowText(GetDlgItem(dialog, IDOK)), "設定");
  // The probe of the Quick Launch folder leaves nothing behind.
  EXPECT_FALSE(FileExists(sandbox.quickLaunchShortcut()));
  EXPECT_FALSE(FileExists(sandbox.startupShortcut()));

  PressOkAndWaitForEnd(dialog);

  const ShortcutContent quick = ReadShortcut(sandbox.quickLaunchShortcut());
  ASSERT_TRUE(quick.loaded);
  EXPECT_STRCASEEQ(quick.path.c_str(), sandbox.targetPath().c_str());
  EXPECT_EQ(quick.arguments, "");
  EXPECT_EQ(quick.description, "");

  const ShortcutContent startup = ReadShortcut(sandbox.startupShortcut());
  ASSERT_TRUE(startup.loaded);
  EXPECT_STRCASEEQ(startup.path.c_str(), sandbox.targetPath().c_str());
  EXPECT_EQ(startup.arguments, "-startup");
  EXPECT_EQ(startup.description, "");
}

TEST_F(SetupDialogTest, QuickLaunchBoxIsDisabledWithoutItsFolderAndStaysSo) {
  SetupSandbox sandbox(true, ShortcutFolders::kStartup);

  HWND dialog = StartSetup(sandbox);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(Checked(dialog, IDC_SETUP_QUICK_LAUNCH));
  EXPECT_FALSE(Enabled(dialog, IDC_SETUP_QUICK_LAUNCH));
  EXPECT_TRUE(Enabled(dialog, IDC_SETUP_STARTUP));

  Toggle(dialog, IDC_SETUP_UNINSTALL);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, IDOK)), "アンインストール");
  EXPECT_FALSE(Enabled(dialog, IDC_SETUP_QUICK_LAUNCH));
  EXPECT_FALSE(Enabled(dialog, IDC_SETUP_STARTUP));

  Toggle(dialog, IDC_SETUP_UNINSTALL);
  EXPECT_EQ(WindowText(GetDlgItem(dialog, IDOK)), "設定");
  EXPECT_FALSE(Enabled(dialog, IDC_SETUP_QUICK_LAUNCH));
  EXPECT_TRUE(Enabled(dialog, IDC_SETUP_STARTUP));
  // The switch leaves the check marks alone.
  EXPECT_FALSE(Checked(dialog, IDC_SETUP_QUICK_LAUNCH));
  EXPECT_TRUE(Checked(dialog, IDC_SETUP_STARTUP));

  PressOkAndWaitForEnd(dialog);
  EXPECT_TRUE(ReadShortcut(sandbox.startupShortcut()).loaded);
  // setup creates no folders.
  EXPECT_FALSE(FileExists(sandbox.quickLaunchDir()));
}

TEST_F(SetupDialogTest, UninstallSwitchReenablesAnAvailableQuickLaunchBox) {
  SetupSandbox sandbox(true, ShortcutFolders::kQuickLaunch);

  HWND dialog = StartSetup(sandbox);
  ASSERT_TRUE(dialog);
  Toggle(dialog, IDC_SETUP_QUICK_LAUNCH);  // the user's choice survives the switch
  Toggle(dialog, IDC_SETUP_UNINSTALL);
  EXPECT_FALSE(Enabled(dialog, IDC_SETUP_QUICK_LAUNCH));
  Toggle(dialog, IDC_SETUP_UNINSTALL);
  EXPECT_TRUE(Enabled(dialog, IDC_SETUP_QUICK_LAUNCH));
  EXPECT_FALSE(Checked(dialog, IDC_SETUP_QUICK_LAUNCH));

  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(setup_.Wait(kEndTimeoutMs));
}

TEST_F(SetupDialogTest, ExistingShortcutIsLeftAloneByTheProbeAndUntickedBoxesDeleteShortcuts) {
  SetupSandbox sandbox(true, ShortcutFolders::kBoth);
  WriteFileBytes(sandbox.quickLaunchShortcut(), "old quick launch link");
  WriteFileBytes(sandbox.startupShortcut(), "old startup link");

  HWND dialog = StartSetup(sandbox);
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(Checked(dialog, IDC_SETUP_QUICK_LAUNCH));
  EXPECT_EQ(ReadFileBytes(sandbox.quickLaunchShortcut()), "old quick launch link");

  Toggle(dialog, IDC_SETUP_QUICK_LAUNCH);
  Toggle(dialog, IDC_SETUP_STARTUP);
  PressOkAndWaitForEnd(dialog);
  EXPECT_FALSE(FileExists(sandbox.quickLaunchShortcut()));
  EXPECT_FALSE(FileExists(sandbox.startupShortcut()));
}

TEST_F(SetupDialogTest, TickedBoxesReplaceExistingShortcuts) {
  SetupSandbox sandbox(true, ShortcutFolders::kBoth);
  WriteFileBytes(sandbox.startupShortcut(), "old startup link");

  HWND dialog = StartSetup(sandbox);
  ASSERT_TRUE(dialog);
  PressOkAndWaitForEnd(dialog);
  EXPECT_EQ(ReadShortcut(sandbox.startupShortcut()).arguments, "-startup");
  EXPECT_TRUE(ReadShortcut(sandbox.quickLaunchShortcut()).loaded);
}

TEST_F(SetupDialogTest, WithoutTheNoteProgramNoShortcutIsWrittenButUntickedOnesAreDeleted) {
  SetupSandbox sandbox(false, ShortcutFolders::kBoth);
  WriteFileBytes(sandbox.startupShortcut(), "old startup link");

  HWND dialog = StartSetup(sandbox);
  ASSERT_TRUE(dialog);
  Toggle(dialog, IDC_SETUP_STARTUP);
  PressOkAndWaitForEnd(dialog);  // ends without any message box
  EXPECT_FALSE(FileExists(sandbox.quickLaunchShortcut()));
  EXPECT_FALSE(FileExists(sandbox.startupShortcut()));
}

TEST_F(SetupDialogTest, CancelChangesNothing) {
  SetupSandbox sandbox(true, ShortcutFolders::kBoth);
  WriteFileBytes(sandbox.startupShortcut(), "old startup link");
  WriteFileBytes(sandbox.settingsFile(), "[System]\r\n");

  HWND dialog = StartSetup(sandbox);
  ASSERT_TRUE(dialog);
  Toggle(dialog, IDC_SETUP_UNINSTALL);
  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(setup_.Wait(kEndTimeoutMs));
  EXPECT_FALSE(FileExists(sandbox.quickLaunchShortcut()));
  EXPECT_EQ(ReadFileBytes(sandbox.startupShortcut()), "old startup link");
  EXPECT_TRUE(FileExists(sandbox.settingsFile()));
}

// Ticks "アンインストール", presses OK and answers the question with answer.
void Uninstall(ChildProcess& setup, HWND dialog, int answer) {
  HWND question = StartUninstall(setup.Id(), dialog);
  ASSERT_TRUE(question) << "no question";
  EXPECT_TRUE(HasChildWithText(question, "設定ファイルを残しておきますか？"));
  ASSERT_TRUE(GetDlgItem(question, IDYES));
  ASSERT_TRUE(GetDlgItem(question, IDNO));
  PressButton(question, answer);
  ASSERT_TRUE(setup.Wait(kEndTimeoutMs));
}

TEST_F(SetupDialogTest, UninstallAnsweredYesRemovesTheShortcutsAndKeepsTheSettings) {
  SetupSandbox sandbox(true, ShortcutFolders::kBoth);
  WriteFileBytes(sandbox.quickLaunchShortcut(), "link");
  WriteFileBytes(sandbox.startupShortcut(), "link");
  WriteFileBytes(sandbox.settingsFile(), "[System]\r\n");

  HWND dialog = StartSetup(sandbox);
  ASSERT_TRUE(dialog);
  Uninstall(setup_, dialog, IDYES);
  EXPECT_FALSE(FileExists(sandbox.quickLaunchShortcut()));
  EXPECT_FALSE(FileExists(sandbox.startupShortcut()));
  EXPECT_EQ(ReadFileBytes(sandbox.settingsFile()), "[System]\r\n");
}

TEST_F(SetupDialogTest, UninstallAnsweredNoDeletesOnlyTheSettingsBesideSetup) {
  // No Quick Launch folder (its box is disabled) and no Startup shortcut:
  // the question is asked all the same.
  SetupSandbox sandbox(true, ShortcutFolders::kStartup);
  WriteFileBytes(sandbox.settingsFile(), "[System]\r\n");
  WriteFileBytes(sandbox.settingsFile() + ".pending", "[+System]\r\n");  // changes that waited
  const std::string elsewhere = sandbox.profileDir() + "\\Zettrella.ini";
  WriteFileBytes(elsewhere, "[System]\r\n");

  HWND dialog = StartSetup(sandbox);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(Enabled(dialog, IDC_SETUP_QUICK_LAUNCH));
  Uninstall(setup_, dialog, IDNO);
  EXPECT_FALSE(FileExists(sandbox.settingsFile()));
  EXPECT_FALSE(FileExists(sandbox.settingsFile() + ".pending"));
  EXPECT_TRUE(FileExists(sandbox.setupExe()));
  EXPECT_TRUE(FileExists(elsewhere));
  EXPECT_FALSE(FileExists(sandbox.startupShortcut()));
}

// A question box that ends without an answer returns 0, as one does when
// its thread is told to quit: that is no permission to delete.
TEST_F(SetupDialogTest, UninstallQuestionEndingWithoutAnAnswerKeepsTheSettings) {
  SetupSandbox sandbox(true);
  WriteFileBytes(sandbox.settingsFile(), "[System]\r\n");

  HWND dialog = StartSetup(sandbox);
  ASSERT_TRUE(dialog);
  HWND question = StartUninstall(setup_.Id(), dialog);
  ASSERT_TRUE(question);
  const DWORD thread = GetWindowThreadProcessId(question, nullptr);
  // Posted again until setup ends: a quit message that reaches the box
  // while it is busy rather than waiting is taken without ending it.
  ASSERT_TRUE(PumpUntil(
      [&] {
        PostThreadMessageA(thread, WM_QUIT, 0, 0);
        return !setup_.Running();
      },
      kEndTimeoutMs));
  EXPECT_EQ(ReadFileBytes(sandbox.settingsFile()), "[System]\r\n");
}

// Without a usable profile folder setup offers neither shortcut rather
// than write below the root of the current drive or into a cut path.
TEST_F(SetupDialogTest, UnsetProfileOffersNoShortcut) {
  SetupSandbox sandbox(true);
  ASSERT_TRUE(setup_.StartWithProfile(sandbox.setupExe(), std::nullopt));
  HWND dialog = WaitForDialog(setup_.Id(), kSetupCaption);
  ASSERT_TRUE(dialog);
  for (int box : {IDC_SETUP_QUICK_LAUNCH, IDC_SETUP_STARTUP}) {
    EXPECT_FALSE(Checked(dialog, box)) << box;
    EXPECT_FALSE(Enabled(dialog, box)) << box;
  }
  Toggle(dialog, IDC_SETUP_UNINSTALL);
  Toggle(dialog, IDC_SETUP_UNINSTALL);
  EXPECT_FALSE(Enabled(dialog, IDC_SETUP_STARTUP));
  PressOkAndWaitForEnd(dialog);
}

TEST_F(SetupDialogTest, OverlongProfileOffersNoShortcut) {
  SetupSandbox sandbox(true);
  // The profile itself fits a path buffer; its shortcut folders do not.
  const std::string profile = sandbox.profileDir() + "\\" + std::string(200, 'p');
  ASSERT_TRUE(setup_.StartWithProfile(sandbox.setupExe(), profile));
  HWND dialog = WaitForDialog(setup_.Id(), kSetupCaption);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(Enabled(dialog, IDC_SETUP_QUICK_LAUNCH));
  EXPECT_FALSE(Enabled(dialog, IDC_SETUP_STARTUP));
  PressOkAndWaitForEnd(dialog);
}

}  // namespace
}  // namespace zettrella::testing
