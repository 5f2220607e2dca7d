// The delete confirmation opens at its note with the focus on "はい", so
// that Enter confirms.
#include "notes/dialogs/delete_confirm_dialog.h"

#include "notes/dialogs/dialog_placement.h"
#include "resources/zettrella_res.h"

namespace zettrella {

DeleteConfirmDialog::DeleteConfirmDialog(const Note& note, const ScreenRect& desktopRect, HWND owner)
    : ui::Dialog(IDD_DELETE_CONFIRM, owner), note_(note), desktopRect_(desktopRect) {}

BOOL DeleteConfirmDialog::OnInitDialog() {
  PlaceAtNote(hwnd(), note_, desktopRect_);
  return TRUE;
}

}  // namespace zettrella
