// The notes' mouse actions: the layer library reports them to the main window
// as event records (WM_COPYDATA); a left press raises a note and starts a
// drag, moves drag it, the release saves its place, a right click asks for
// the note menu, a double click edits the note.
#include <string_view>

#include "common/saturate.h"
#include "notes/app/main_window_ids.h"
#include "notes/app/note_board_dialog.h"
#include "notes/dialogs/note_edit_dialog.h"
#include "notes/input/event_record.h"

namespace zettrella {

LRESULT NoteBoardDialog::OnCopyData(const COPYDATASTRUCT* data) {
  // After a shutdown the layer is gone and nothing may touch it any more.
  if (!binding_) return 1;
  EventRecord& record = binding_->lastEvent();
  // The record is read in place: the system already copied it into our
  // process, and the parser stops at the first zero byte, looks at ten lines
  // at most and copies nothing but those lines.
  std::string_view bytes;
  if (data && data->lpData && data->cbData > 0) {
    bytes = std::string_view(static_cast<const char*>(data->lpData), data->cbData);
  }
  ParseEventRecord(bytes, &record);

  const EventPoint point = EventNumbers(record);
  switch (EventKindOf(record)) {
    case EventKind::kLButtonDown:
      OnNoteLButtonDown(point.id, point.x, point.y);
      break;
    case EventKind::kMouseMove:
      OnNoteMouseMove(point.x, point.y);
      break;
    case EventKind::kLButtonUp:
      OnNoteLButtonUp();
      break;
    case EventKind::kRButtonUp:
      OnNoteRButtonUp(point.id);
      break;
    case EventKind::kLButtonDoubleClick:
      OnNoteDoubleClick(point.id);
      break;
    case EventKind::kNone:
      break;
  }
  return 1;
}

// Brings the note to the front and starts a drag. The drag starts even when
// the id names no note (a note rebuilt meanwhile); its moves then find no
// slot and change nothing.
void NoteBoardDialog::OnNoteLButtonDown(int32_t id, int32_t x, int32_t y) {
  const int slot = notes_.FindSlot(id);
  if (slot != kNoSlot) {
    Note& note = notes_[slot];
    note.Priority = notes_.TakeNextPriority();
    binding_->SetPriority(id, note.Priority);
    settingsFile_.SavePriority(slot, note);
  }
  dragging_ = 1;
  dragId_ = id;
  dragX_ = x;
  dragY_ = y;
}

// Moves the dragged note by the pointer's travel since the last record. The
// new place is kept in the table only; the release saves it.
void NoteBoardDialog::OnNoteMouseMove(int32_t x, int32_t y) {
  if (!dragging_ || (x == dragX_ && y == dragY_)) return;
  // Positions come from another process; their difference must not overflow.
  const int32_t dx = Saturate(static_cast<int64_t>(x) - dragX_);
  const int32_t dy = Saturate(static_cast<int64_t>(y) - dragY_);
  binding_->Move(dragId_, dx, dy);
  dragX_ = x;
  dragY_ = y;
  const int slot = notes_.FindSlot(dragId_);
  if (slot == kNoSlot) return;
  Note& note = notes_[slot];
  note.PosX = binding_->GetPosX(dragId_);
  note.PosY = binding_->GetPosY(dragId_);
}

void NoteBoardDialog::OnNoteLButtonUp() {
  if (!dragging_) return;
  dragging_ = 0;
  const int slot = notes_.FindSlot(dragId_);
  if (slot != kNoSlot) settingsFile_.SavePosition(slot, notes_[slot]);
}

// The note menu is not opened here but by the tray callback message, posted
// so that the menu runs after the layer's SendMessage has returned.
void NoteBoardDialog::OnNoteRButtonUp(int32_t id) {
  noteMenuPending_ = 1;
  PostMessageA(hwnd(), kTrayMessage, static_cast<WPARAM>(id), WM_RBUTTONUP);
}

// The edit dialog runs with the notes let go from the front of the other
// windows, so that it is never hidden behind one of them.
void NoteBoardDialog::OnNoteDoubleClick(int32_t id) {
  const int slot = notes_.FindSlot(id);
  if (slot == kNoSlot) return;
  binding_->Floating(0);
  EditNote(slot);
  // The layer may have been released meanwhile (end of the session).
  if (binding_) binding_->Floating(settings_.Floating);
}

bool NoteBoardDialog::EditNote(int slot) {
  // The dialog works on a copy: while it is open the note can still be
  // dragged or raised, and a copy taken back whole would undo that.
  Note edited = notes_[slot];
  const NoteRef ref = notes_.Ref(slot);
  NoteEditDialog dialog(edited, desktopRect_, hwnd());
  if (dialog.RunModal() != IDOK) return false;
  // A note deleted while its dialog was open stays deleted, and a new note
  // that took its slot keeps its own content.
  if (notes_.Resolve(ref) != slot) return false;
  Note& note = notes_[slot];
  CopyNoteContent(edited, &note);
  BuildNote(slot, note.Priority);
  return true;
}

}  // namespace zettrella
