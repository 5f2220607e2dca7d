// The settings dialog: values shown, corrected, saved on OK and left alone
// on Cancel.
#include "notes/dialogs/settings_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "notes/model/ini_profile.h"
#include "resources/zettrella_res.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/support/win_test_support.h"

namespace zettrella {
namespace {

using testing::Click;
using testing::ControlText;
using testing::RunDriven;
using testing::Type;

SystemSettings SampleSettings() {
  SystemSettings settings;
  settings.HotKeyCreateC = "F5";
  settings.HotKeyCreateM = "F6";
  settings.HotKeyCreateY = "F7";
  settings.HotKeyShow = "B";
  settings.DefaultWidth = 250;
  settings.DefaultHeight = 40;
  settings.DefaultFontName = "IPAゴシック";
  settings.DefaultFontSize = 9;
  return settings;
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
  std::string path_ = dir_.File("Zettrella.ini");
  IniProfile profile_{path_};
  SettingsFile file_{profile_};
};

TEST_F(SettingsDialogTest, OpensCentredWithTheValues) {
  SystemSettings settings = SampleSettings();
  SettingsDialog dialog(settings, file_, nullptr);
  const INT_PTR result = RunDriven(dialog, [](HWND hwnd) {
    EXPECT_EQ(ControlText(hwnd, IDC_SETTINGS_HOTKEY_C), "F5");
    EXPECT_EQ(ControlText(hwnd, IDC_SETTINGS_HOTKEY_M), "F6");
    EXPECT_EQ(ControlText(hwnd, IDC_SETTINGS_HOTKEY_Y), "F7");
    EXPECT_EQ(ControlText(hwnd, IDC_SETTINGS_HOTKEY_SHOW), "B");
    EXPECT_EQ(ControlText(hwnd, IDC_SETTINGS_WIDTH), "250");
    EXPECT_EQ(ControlText(hwnd, IDC_SETTINGS_HEIGHT), "40");
    EXPECT_EQ(ControlText(hwnd, IDC_SETTINGS_FONT_NAME), "IPAゴシック");
    EXPECT_EQ(ControlText(hwnd, IDC_SETTINGS_FONT_SIZE), "9");
    EXPECT_EQ(GetFocus(), GetDlgItem(hwnd, IDOK));

    RECT window{}, desktop{};
    GetWindowRect(hwnd, &window);
    GetWindowRect(GetDesktopWindow(), &desktop);
    const LONG w = window.right - window.left;
    const LONG h = window.bottom - window.top;
    // The dialog fits the test screen, so the work area does not move it.
    EXPECT_EQ(window.left, (desktop.left + desktop.right) / 2 - w / 2);
    EXPECT_EQ(window.top, (desktop.top + desktop.bottom) / 2 - h / 2);
    testing::SaveScreenshot(hwnd, "settings_dialog");
    Click(hwnd, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(settings.DefaultFontName, "IPAゴシック");
  EXPECT_EQ(settings.DefaultFontSize, 9);
  EXPECT_EQ(testing::SettingsValue(path_, "System", "HotKeyShow"), "B");
}

TEST_F(SettingsDialogTest, OkRaisesSmallSizesAndSavesEverything) {
  const struct {
    const char* width;
    const char* height;
    int32_t storedWidth;
    int32_t storedHeight;
  } cases[] = {{"99", "9", 100, 10},
               {"100", "10", 100, 10},
               {"abc", "", 100, 10},
               {"-5", "-5", 100, 10},
               {"5000", "900", 5000, 900}};
  for (const auto& c : cases) {
    SystemSettings settings = SampleSettings();
    SettingsDialog dialog(settings, file_, nullptr);
    EXPECT_EQ(RunDriven(dialog,
                        [&](HWND hwnd) {
                          Type(hwnd, IDC_SETTINGS_WIDTH, c.width);
                          Type(hwnd, IDC_SETTINGS_HEIGHT, c.height);
                          Click(hwnd, IDOK);
                        }),
              IDOK);
    EXPECT_EQ(settings.DefaultWidth, c.storedWidth) << c.width;
    EXPECT_EQ(settings.DefaultHeight, c.storedHeight) << c.height;
    EXPECT_EQ(testing::SettingsValue(path_, "System", "Width"), std::to_string(c.storedWidth));
    EXPECT_EQ(testing::SettingsValue(path_, "System", "Height"), std::to_string(c.storedHeight));
  }
}

TEST_F(SettingsDialogTest, HotKeyNamesAndFontAreStoredAsTyped) {
  SystemSettings settings = SampleSettings();
  SettingsDialog dialog(settings, file_, nullptr);
  EXPECT_EQ(RunDriven(dialog,
                      [](HWND hwnd) {
                        Type(hwnd, IDC_SETTINGS_HOTKEY_C, "");
                        Type(hwnd, IDC_SETTINGS_HOTKEY_M, "f9");
                        Type(hwnd, IDC_SETTINGS_HOTKEY_Y, " space ");
                        Type(hwnd, IDC_SETTINGS_HOTKEY_SHOW, "Nope");
                        Type(hwnd, IDC_SETTINGS_FONT_NAME, "IPAゴチック");
                        Type(hwnd, IDC_SETTINGS_FONT_SIZE, "10.5");
                        Click(hwnd, IDOK);
                      }),
            IDOK);
  EXPECT_EQ(settings.HotKeyCreateC, "");
  EXPECT_EQ(settings.HotKeyCreateM, "f9");
  EXPECT_EQ(settings.HotKeyCreateY, " space ");
  EXPECT_EQ(settings.HotKeyShow, "Nope");
  EXPECT_EQ(settings.DefaultFontName, "IPAゴチック");
  EXPECT_EQ(settings.DefaultFontSize, 10);
  EXPECT_EQ(testing::SettingsValue(path_, "System", "HotKeyCreateC"), "");
  EXPECT_EQ(testing::SettingsValue(path_, "System", "HotKeyCreateM"), "f9");
  EXPECT_EQ(testing::SettingsValue(path_, "System", "HotKeyShow"), "Nope");
  EXPECT_EQ(testing::SettingsValue(path_, "System", "FontName"), "IPAゴチック");
  EXPECT_EQ(testing::SettingsValue(path_, "System", "FontSize"), "10");
  // Unreadable sizes keep the size shown when the dialog opened.
  SettingsDialog again(settings, file_, nullptr);
  EXPECT_EQ(RunDriven(again,
                      [](HWND hwnd) {
                        Type(hwnd, IDC_SETTINGS_FONT_SIZE, "big");
                        Click(hwnd, IDOK);
                      }),
            IDOK);
  EXPECT_EQ(settings.DefaultFontSize, 10);
}

TEST_F(SettingsDialogTest, CancelLeavesTheValuesAndTheFile) {
  testing::WriteFileBytes(path_, "[System]\r\nHotKeyCreateC=F5\r\nWidth=250\r\n");
  const std::string before = testing::ReadFileBytes(path_);
  const std::function<void(HWND)> ways[] = {
      [](HWND hwnd) { Click(hwnd, IDCANCEL); },
      [](HWND) { testing::PostKey(GetFocus(), VK_ESCAPE); },
      [](HWND hwnd) { PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); },
  };
  for (const auto& leave : ways) {
    SystemSettings settings = SampleSettings();
    SettingsDialog dialog(settings, file_, nullptr);
    EXPECT_EQ(RunDriven(dialog,
                        [&](HWND hwnd) {
                          Type(hwnd, IDC_SETTINGS_HOTKEY_C, "Q");
                          Type(hwnd, IDC_SETTINGS_HOTKEY_M, "");
                          Type(hwnd, IDC_SETTINGS_HOTKEY_Y, "W");
                          Type(hwnd, IDC_SETTINGS_HOTKEY_SHOW, "E");
                          Type(hwnd, IDC_SETTINGS_WIDTH, "999");
                          Type(hwnd, IDC_SETTINGS_HEIGHT, "5");
                          Type(hwnd, IDC_SETTINGS_FONT_NAME, "Other");
                          Type(hwnd, IDC_SETTINGS_FONT_SIZE, "30");
                          leave(hwnd);
                        }),
              IDCANCEL);
    const SystemSettings expected = SampleSettings();
    EXPECT_EQ(settings.HotKeyCreateC, expected.HotKeyCreateC);
    EXPECT_EQ(settings.HotKeyCreateM, expected.HotKeyCreateM);
    EXPECT_EQ(settings.HotKeyCreateY, expected.HotKeyCreateY);
    EXPECT_EQ(settings.HotKeyShow, expected.HotKeyShow);
    EXPECT_EQ(settings.DefaultWidth, expected.DefaultWidth);
    EXPECT_EQ(settings.DefaultHeight, expected.DefaultHeight);
    EXPECT_EQ(settings.DefaultFontName, expected.DefaultFontName);
    EXPECT_EQ(settings.DefaultFontSize, expected.DefaultFontSize);
    EXPECT_EQ(testing::ReadFileBytes(path_), before);
  }
}

TEST_F(SettingsDialogTest, SizeListFollowsTheChosenFace) {
  SystemSettings settings = SampleSettings();
  SettingsDialog dialog(settings, file_, nullptr);
  RunDriven(dialog, [](HWND hwnd) {
    HWND size = GetDlgItem(hwnd, IDC_SETTINGS_FONT_SIZE);
    SendMessageA(size, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(SendMessageA(size, CB_GETCOUNT, 0, 0), 16);
    EXPECT_EQ(SendMessageA(size, CB_GETCURSEL, 0, 0), 1);  // 9 points
    SendMessageA(size, CB_SHOWDROPDOWN, FALSE, 0);
    Click(hwnd, IDCANCEL);
  });
}

}  // namespace
}  // namespace zettrella
