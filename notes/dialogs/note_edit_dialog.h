// The edit dialog of one note: its text, font, red text, asterisk mask,
// colour and width. Reads the note when it opens and writes it back only
// on OK; the caller then builds the note again.
#pragma once

#include <windows.h>

#include "common/dialog.h"
#include "common/geometry.h"
#include "notes/dialogs/font_pickers.h"
#include "notes/model/note_table.h"

namespace zettrella {

class NoteEditDialog : public ui::Dialog {
 public:
  // desktopRect bounds where the dialog opens; owner stays disabled while it runs.
  NoteEditDialog(Note& note, const ScreenRect& desktopRect, HWND owner);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int notifyCode, HWND control) override;

 private:
  Note& note_;
  ScreenRect desktopRect_;
  FontPickers fonts_;
};

}  // namespace zettrella
