// Turning the layer's event records into the board's operations.
#include "notes/input/pointer_events.h"

#include <string_view>

#include "common/event_record.h"

namespace zettrella {

LRESULT PointerEvents::OnCopyData(const COPYDATASTRUCT* data) {
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
      // Brings the note to the front and starts a drag.
      board_.Raise(point.id);
      board_.StartDrag(point.id, point.x, point.y);
      break;
    case EventKind::kMouseMove:
      board_.Drag(point.x, point.y);
      break;
    case EventKind::kLButtonUp:
      board_.ReleaseDrag();
      break;
    case EventKind::kRButtonUp:
      OnRButtonUp(point.id);
      break;
    case EventKind::kLButtonDoubleClick:
      OnDoubleClick(point.id);
      break;
    case EventKind::kNone:
      break;
  }
  return 1;
}

// The note menu is not opened here but by the tray callback message, posted
// so that the menu runs after the layer's SendMessage has returned.
void PointerEvents::OnRButtonUp(int32_t id) {
  menus_.RequestNoteMenu();
  PostMessageA(window_, noteMenuMessage_, static_cast<WPARAM>(id), WM_RBUTTONUP);
}

// The edit dialog runs with the notes let go from the front of the other
// windows, so that it is never hidden behind one of them.
void PointerEvents::OnDoubleClick(int32_t id) {
  if (board_.notes().FindSlot(id) == kNoSlot) return;
  board_.LeaveFront();
  dialogs_.Edit(id);
  // The layer may have been released meanwhile (end of the session).
  board_.RestoreFront();
}

}  // namespace zettrella
