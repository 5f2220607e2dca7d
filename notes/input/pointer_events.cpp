// The notes' mouse actions: the layer library reports them to the main window
// as event records (WM_COPYDATA); a left press raises a note and starts a
// drag, moves drag it, the release saves its place, a right click asks for
// the note menu, a double click edits the note.
#include <string_view>

#include "notes/dialogs/note_edit_dialog.h"
#include "notes/input/board_input.h"
#include "notes/input/event_record.h"

namespace zettrella {

BoardInput::BoardInput(NoteBoard& board, UINT noteMenuMessage) : board_(board), noteMenuMessage_(noteMenuMessage) {}

LRESULT BoardInput::OnCopyData(const COPYDATASTRUCT* data) {
  // After a shutdown the layer is gone and nothing may touch it any more.
  if (!board_.hasLayer()) return 1;
  // The record is read in place: the system already copied it into our
  // process, and the parser stops at the first zero byte, looks at ten lines
  // at most and copies nothing but those lines.
  std::string_view bytes;
  if (data && data->lpData && data->cbData > 0) {
    bytes = std::string_view(static_cast<const char*>(data->lpData), data->cbData);
  }
  EventRecord record;
  ParseEventRecord(bytes, &record);

  const EventPoint point = EventNumbers(record);
  switch (EventKindOf(record)) {
    case EventKind::kLButtonDown:
      OnNoteLButtonDown(point.id, point.x, point.y);
      break;
    case EventKind::kMouseMove:
      board_.Drag(point.x, point.y);
      break;
    case EventKind::kLButtonUp:
      board_.ReleaseDrag();
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

// Brings the note to the front and starts a drag.
void BoardInput::OnNoteLButtonDown(int32_t id, int32_t x, int32_t y) {
  board_.Raise(id);
  board_.StartDrag(id, x, y);
}

// The note menu is not opened here but by the tray callback message, posted
// so that the menu runs after the layer's SendMessage has returned.
void BoardInput::OnNoteRButtonUp(int32_t id) {
  noteMenuPending_ = true;
  PostMessageA(window_, noteMenuMessage_, static_cast<WPARAM>(id), WM_RBUTTONUP);
}

// The edit dialog runs with the notes let go from the front of the other
// windows, so that it is never hidden behind one of them.
void BoardInput::OnNoteDoubleClick(int32_t id) {
  const int slot = board_.notes().FindSlot(id);
  if (slot == kNoSlot) return;
  board_.LeaveFront();
  EditNote(slot);
  // The layer may have been released meanwhile (end of the session).
  board_.RestoreFront();
}

void BoardInput::EditNote(int slot) {
  // The dialog works on a copy: while it is open the note can still be
  // dragged or raised, and a copy taken back whole would undo that.
  // The dialog opens where the note is shown; of the copy only the content
  // is taken back, so its screen position goes no further.
  Note edited = board_.notes()[slot];
  const ScreenPoint shown = board_.NoteScreenPosition(slot);
  edited.PosX = shown.x;
  edited.PosY = shown.y;
  const NoteRef ref = board_.notes().Ref(slot);
  NoteEditDialog dialog(edited, board_.desktopRect(), window_);
  if (dialog.RunModal() != IDOK) return;
  // A note deleted while its dialog was open stays deleted, and a new note
  // that took its slot keeps its own content.
  (void)board_.ApplyEdit(ref, edited);
}

}  // namespace zettrella
