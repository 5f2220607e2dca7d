// The question before a note is deleted; OK ("はい") means delete.
#pragma once

#include <windows.h>

#include "common/dialog.h"
#include "common/geometry.h"
#include "notes/model/note_table.h"

namespace zettrella {

class DeleteConfirmDialog : public ui::Dialog {
 public:
  DeleteConfirmDialog(const Note& note, const ScreenRect& desktopRect, HWND owner);

 protected:
  BOOL OnInitDialog() override;

 private:
  const Note& note_;
  ScreenRect desktopRect_;
};

}  // namespace zettrella
