// The settings dialog: the four hot keys, the default note size and the
// default font. On OK, values() holds what was set; the caller saves them,
// registers the hot keys and builds the notes again.
#pragma once

#include <windows.h>

#include "common/dialog.h"
#include "notes/dialogs/font_pickers.h"
#include "notes/model/note_table.h"

namespace zettrella {

class SettingsDialog : public ui::Dialog {
 public:
  SettingsDialog(const SystemSettings& settings, HWND owner);
  // The settings shown, with what was set in the dialog after OK.
  const SystemSettings& values() const { return settings_; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int notifyCode, HWND control) override;

 private:
  SystemSettings settings_;
  FontPickers fonts_;
};

}  // namespace zettrella
