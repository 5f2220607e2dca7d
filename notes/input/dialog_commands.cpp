// The menu commands that run a dialog: delete, settings and about (editing
// is shared with the double click, in pointer_events.cpp).
// Each dialog runs modally with the main window as its owner; the note
// table is looked at again only after the dialog has ended, since a note
// may have changed or gone while it was open.
#include "notes/app/note_board_dialog.h"
#include "notes/dialogs/about_dialog.h"
#include "notes/dialogs/delete_confirm_dialog.h"
#include "notes/dialogs/settings_dialog.h"

namespace zettrella {

void NoteBoardDialog::DeleteNote(int32_t noteId) {
  const int slot = notes_.FindSlot(noteId);
  if (slot == kNoSlot) return;
  const NoteRef ref = notes_.Ref(slot);
  DeleteConfirmDialog dialog(notes_[slot], desktopRect_, hwnd());
  if (dialog.RunModal() != IDOK) return;
  // The note may have been deleted meanwhile from another menu, and a new
  // note may have taken its slot; that one is not what the user confirmed.
  if (notes_.Resolve(ref) != slot) return;
  Note& note = notes_[slot];
  if (binding_ && note.ID >= 0) binding_->Delete(note.ID);
  notes_.Vacate(slot);
  settingsFile_.RemoveNote(slot);
}

// The dialog saves the new settings itself; the hot keys and every note
// follow them here.
void NoteBoardDialog::ChangeSettings() {
  SettingsDialog dialog(settings_, settingsFile_, hwnd());
  if (dialog.RunModal() != IDOK) return;
  UnregisterAllHotKeys();
  RegisterAllHotKeys();
  profile_.BeginBatch();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (notes_[slot].InUse) BuildNote(slot, notes_[slot].Priority);
  }
  (void)profile_.EndBatch();
}

void NoteBoardDialog::ShowAbout() {
  AboutDialog dialog(hwnd());
  dialog.RunModal();
}

}  // namespace zettrella
