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
  fonts_.Show(settings_.defaultFontName, settings_.defaultFontSize);

  SetItemText(IDC_SETTINGS_HOTKEY_C, settings_.hotKeyCreateC.c_str());
  SetItemText(IDC_SETTINGS_HOTKEY_M, settings_.hotKeyCreateM.c_str());
  SetItemText(IDC_SETTINGS_HOTKEY_Y, settings_.hotKeyCreateY.c_str());
  SetItemText(IDC_SETTINGS_HOTKEY_SHOW, settings_.hotKeyShow.c_str());
  SetItemInt(IDC_SETTINGS_WIDTH, settings_.defaultWidth);
  SetItemInt(IDC_SETTINGS_HEIGHT, settings_.defaultHeight);

  CenterOnDesktop(hwnd());
  return TRUE;
}

bool SettingsDialog::OnCommand(int, int notifyCode, HWND control) { return fonts_.OnCommand(notifyCode, control); }

// Hot-key names are kept as typed (whether a name is valid is decided only
// when it is registered), but only their first line: a line break set into
// a box by another program must not reach the settings file.
void SettingsDialog::OnOK() {
  settings_.defaultFontName = SingleLine(fonts_.FontName());
  settings_.defaultFontSize = fonts_.FontSizePoints();
  settings_.hotKeyCreateC = SingleLine(ItemText(IDC_SETTINGS_HOTKEY_C));
  settings_.hotKeyCreateM = SingleLine(ItemText(IDC_SETTINGS_HOTKEY_M));
  settings_.hotKeyCreateY = SingleLine(ItemText(IDC_SETTINGS_HOTKEY_Y));
  settings_.hotKeyShow = SingleLine(ItemText(IDC_SETTINGS_HOTKEY_SHOW));
  settings_.defaultWidth = AtLeast(ItemInt(IDC_SETTINGS_WIDTH), kMinNoteWidth);
  settings_.defaultHeight = AtLeast(ItemInt(IDC_SETTINGS_HEIGHT), kMinNoteHeight);
  EndModal(IDOK);
}

}  // namespace zettrella
