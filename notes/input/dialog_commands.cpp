// The menu commands that run a dialog: delete, settings and about (editing
// is shared with the double click, in pointer_events.cpp).
// Each dialog runs modally with the main window as its owner; the note
// table is looked at again only after the dialog has ended, since a note
// may have changed or gone while it was open.
#include "notes/dialogs/about_dialog.h"
#include "notes/dialogs/delete_confirm_dialog.h"
#include "notes/dialogs/settings_dialog.h"
#include "notes/input/board_input.h"

namespace zettrella {

void BoardInput::DeleteNote(int32_t noteId) {
  const int slot = board_.notes().FindSlot(noteId);
  if (slot == kNoSlot) return;
  const NoteRef ref = board_.notes().Ref(slot);
  // The dialog opens where the note is shown.
  Note shown = board_.notes()[slot];
  const ScreenPoint at = board_.NoteScreenPosition(slot);
  shown.PosX = at.x;
  shown.PosY = at.y;
  DeleteConfirmDialog dialog(shown, board_.desktopRect(), window_);
  if (dialog.RunModal() != IDOK) return;
  // The note may have been deleted meanwhile from another menu, and a new
  // note may have taken its slot; that one is not what the user confirmed.
  (void)board_.Delete(ref);
}

// The board saves the new settings and builds every note again; the hot
// keys follow them here.
void BoardInput::ChangeSettings() {
  SettingsDialog dialog(board_.settings(), window_);
  if (dialog.RunModal() != IDOK) return;
  board_.ApplySettings(dialog.values());
  UnregisterHotKeys();
  RegisterHotKeys();
}

void BoardInput::ShowAbout() {
  AboutDialog dialog(window_);
  dialog.RunModal();
}

}  // namespace zettrella
