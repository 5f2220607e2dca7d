// The settings dialog: filling the controls and taking them back.
#include "notes/dialogs/settings_dialog.h"

#include "notes/dialogs/dialog_placement.h"
#include "notes/dialogs/edit_values.h"
#include "notes/model/settings_values.h"
#include "resources/zettrella_res.h"

namespace zettrella {

SettingsDialog::SettingsDialog(const SystemSettings& settings, HWND owner)
    : ui::Dialog(IDD_SETTINGS, owner), settings_(settings) {}

BOOL SettingsDialog::OnInitDialog() {
  fonts_.Attach(hwnd(), IDC_SETTINGS_FONT_NAME, IDC_SETTINGS_FONT_SIZE);
  fonts_.Show(settings_.DefaultFontName, settings_.DefaultFontSize);

  SetItemText(IDC_SETTINGS_HOTKEY_C, settings_.HotKeyCreateC.c_str());
  SetItemText(IDC_SETTINGS_HOTKEY_M, settings_.HotKeyCreateM.c_str());
  SetItemText(IDC_SETTINGS_HOTKEY_Y, settings_.HotKeyCreateY.c_str());
  SetItemText(IDC_SETTINGS_HOTKEY_SHOW, settings_.HotKeyShow.c_str());
  SetItemInt(IDC_SETTINGS_WIDTH, settings_.DefaultWidth);
  SetItemInt(IDC_SETTINGS_HEIGHT, settings_.DefaultHeight);

  CenterOnDesktop(hwnd());
  return TRUE;
}

bool SettingsDialog::OnCommand(int, int notifyCode, HWND control) { return fonts_.OnCommand(notifyCode, control); }

// Hot-key names are kept as typed (whether a name is valid is decided only
// when it is registered), but only their first line: a line break set into
// a box by another program must not reach the settings file.
void SettingsDialog::OnOK() {
  settings_.DefaultFontName = SingleLine(fonts_.FontName());
  settings_.DefaultFontSize = fonts_.FontSizePoints();
  settings_.HotKeyCreateC = SingleLine(ItemText(IDC_SETTINGS_HOTKEY_C));
  settings_.HotKeyCreateM = SingleLine(ItemText(IDC_SETTINGS_HOTKEY_M));
  settings_.HotKeyCreateY = SingleLine(ItemText(IDC_SETTINGS_HOTKEY_Y));
  settings_.HotKeyShow = SingleLine(ItemText(IDC_SETTINGS_HOTKEY_SHOW));
  settings_.DefaultWidth = AtLeast(ItemInt(IDC_SETTINGS_WIDTH), kMinNoteWidth);
  settings_.DefaultHeight = AtLeast(ItemInt(IDC_SETTINGS_HEIGHT), kMinNoteHeight);
  EndModal(IDOK);
}

}  // namespace zettrella
