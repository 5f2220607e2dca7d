// The settings dialog: values shown, corrected and returned on OK, left
// alone on Cancel.
#include "notes/dialogs/settings_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/zettrella_res.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

SystemSettings SampleSettings() {
  SystemSettings settings;
  settings.hotKeyCreateC = "F5";
  settings.hotKeyCreateM = "F6";
  settings.hotKeyCreateY = "F7";
  settings.hotKeyShow = "B";
  settings.defaultWidth = 250;
  settings.defaultHeight = 40;
  settings.defaultFontName = "IPAゴシック";
  settings.defaultFontSize = 9;
  return settings;
}

TEST(SettingsDialogTest, OpensCentredWithTheValues) {
  const SystemSettings settings = SampleSettings();
  SettingsDialog dialog(settings, nullptr);
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
    SaveScreenshot(hwnd, "settings_dialog");
    Click(hwnd, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.values().defaultFontName, "IPAゴシック");
  EXPECT_EQ(dialog.values().defaultFontSize, 9);
  EXPECT_EQ(dialog.values().hotKeyShow, "B");
}

TEST(SettingsDialogTest, OkRaisesSmallSizes) {
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
    const SystemSettings settings = SampleSettings();
    SettingsDialog dialog(settings, nullptr);
    EXPECT_EQ(RunDriven(dialog,
                        [&](HWND hwnd) {
                          Type(hwnd, IDC_SETTINGS_WIDTH, c.width);
                          Type(hwnd, IDC_SETTINGS_HEIGHT, c.height);
                          Click(hwnd, IDOK);
                        }),
              IDOK);
    EXPECT_EQ(dialog.values().defaultWidth, c.storedWidth) << c.width;
    EXPECT_EQ(dialog.values().defaultHeight, c.storedHeight) << c.height;
  }
}

TEST(SettingsDialogTest, HotKeyNamesAndFontAreTakenAsTyped) {
  const SystemSettings settings = SampleSettings();
  SettingsDialog dialog(settings, nullptr);
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
  const SystemSettings& set = dialog.values();
  EXPECT_EQ(set.hotKeyCreateC, "");
  EXPECT_EQ(set.hotKeyCreateM, "f9");
  EXPECT_EQ(set.hotKeyCreateY, " space ");
  EXPECT_EQ(set.hotKeyShow, "Nope");
  EXPECT_EQ(set.defaultFontName, "IPAゴチック");
  EXPECT_EQ(set.defaultFontSize, 10);
  // Unreadable sizes keep the size shown when the dialog opened.
  SettingsDialog again(set, nullptr);
  EXPECT_EQ(RunDriven(again,
                      [](HWND hwnd) {
                        Type(hwnd, IDC_SETTINGS_FONT_SIZE, "big");
                        Click(hwnd, IDOK);
                      }),
            IDOK);
  EXPECT_EQ(again.values().defaultFontSize, 10);
}

TEST(SettingsDialogTest, CancelLeavesTheValues) {
  const std::function<void(HWND)> ways[] = {
      [](HWND hwnd) { Click(hwnd, IDCANCEL); },
      [](HWND) { PostKey(GetFocus(), VK_ESCAPE); },
      [](HWND hwnd) { PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); },
  };
  for (const auto& leave : ways) {
    const SystemSettings settings = SampleSettings();
    SettingsDialog dialog(settings, nullptr);
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
    const SystemSettings& kept = dialog.values();
    EXPECT_EQ(kept.hotKeyCreateC, settings.hotKeyCreateC);
    EXPECT_EQ(kept.hotKeyCreateM, settings.hotKeyCreateM);
    EXPECT_EQ(kept.hotKeyCreateY, settings.hotKeyCreateY);
    EXPECT_EQ(kept.hotKeyShow, settings.hotKeyShow);
    EXPECT_EQ(kept.defaultWidth, settings.defaultWidth);
    EXPECT_EQ(kept.defaultHeight, settings.defaultHeight);
    EXPECT_EQ(kept.defaultFontName, settings.defaultFontName);
    EXPECT_EQ(kept.defaultFontSize, settings.defaultFontSize);
  }
}

TEST(SettingsDialogTest, SizeListFollowsTheChosenFace) {
  const SystemSettings settings = SampleSettings();
  SettingsDialog dialog(settings, nullptr);
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
}  // namespace zettrella::testing
