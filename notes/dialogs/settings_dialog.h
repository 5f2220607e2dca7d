// The settings dialog: the four hot keys, the default note size and the
// default font. Writes the values back and saves section "System" on OK;
// the caller then registers the hot keys and builds the notes again.
#pragma once

#include <windows.h>

#include "common/dialog.h"
#include "notes/dialogs/font_pickers.h"
#include "notes/model/note_table.h"
#include "notes/model/settings_file.h"

namespace zettrella {

class SettingsDialog : public ui::Dialog {
 public:
  SettingsDialog(SystemSettings& settings, SettingsFile& file, HWND owner);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int notifyCode, HWND control) override;

 private:
  SystemSettings& settings_;
  SettingsFile& file_;
  FontPickers fonts_;
};

}  // namespace zettrella
