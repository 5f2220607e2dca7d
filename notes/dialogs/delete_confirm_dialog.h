// The question before a note is deleted; OK ("はい") means delete.
#pragma once

#include <windows.h>

#include "common/dialog.h"
#include "notes/model/note_table.h"

namespace zettrella {

class DeleteConfirmDialog : public ui::Dialog {
 public:
  DeleteConfirmDialog(const Note& note, const RECT& desktopRect, HWND owner);

 protected:
  BOOL OnInitDialog() override;

 private:
  const Note& note_;
  RECT desktopRect_;
};

}  // namespace zettrella
