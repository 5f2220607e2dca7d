// The commands that run a dialog.
#include "notes/input/dialog_commands.h"

#include "notes/dialogs/about_dialog.h"
#include "notes/dialogs/delete_confirm_dialog.h"
#include "notes/dialogs/note_edit_dialog.h"
#include "notes/dialogs/settings_dialog.h"

namespace zettrella {

namespace {

// A copy of the note in slot at the place where it is shown: its dialogs
// open there.
Note ShownCopy(const NoteBoard& board, int slot) {
  Note note = board.notes()[slot];
  const ScreenPoint shown = board.NoteScreenPosition(slot);
  note.posX = shown.x;
  note.posY = shown.y;
  return note;
}

}  // namespace

void DialogCommands::Edit(int32_t noteId) {
  const int slot = board_.notes().FindSlot(noteId);
  if (slot == kNoSlot) return;
  // The dialog works on a copy: while it is open the note can still be
  // dragged or raised, and a copy taken back whole would undo that. Of the
  // copy only the content is taken back, so its screen position goes no
  // further.
  Note edited = ShownCopy(board_, slot);
  const NoteRef ref = board_.notes().Ref(slot);
  NoteEditDialog dialog(edited, board_.desktopRect(), window_);
  if (dialog.RunModal() != IDOK) return;
  // A note deleted while its dialog was open stays deleted, and a new note
  // that took its slot keeps its own content.
  (void)board_.ApplyEdit(ref, edited);
}

void DialogCommands::Delete(int32_t noteId) {
  const int slot = board_.notes().FindSlot(noteId);
  if (slot == kNoSlot) return;
  const NoteRef ref = board_.notes().Ref(slot);
  const Note shown = ShownCopy(board_, slot);
  DeleteConfirmDialog dialog(shown, board_.desktopRect(), window_);
  if (dialog.RunModal() != IDOK) return;
  // The note may have been deleted meanwhile from another menu, and a new
  // note may have taken its slot; that one is not what the user confirmed.
  (void)board_.Delete(ref);
}

// The board saves the new settings and builds every note again; the hot
// keys follow them here.
void DialogCommands::ChangeSettings() {
  const SystemSettings shown = board_.settings();
  SettingsDialog dialog(shown, window_);
  if (dialog.RunModal() != IDOK) return;
  board_.ApplySettings(shown, dialog.values());
  hotKeys_.Register(window_);
}

void DialogCommands::ShowAbout() { AboutDialog(window_).RunModal(); }

}  // namespace zettrella
