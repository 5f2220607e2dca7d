// Turning the layer's event records into the board's operations.
#include "notes/input/pointer_events.h"

#include <string_view>

#include "common/event_record.h"

namespace zettrella {

LRESULT PointerEvents::OnCopyData(const COPYDATASTRUCT& data) {
  // After a shutdown the layer is gone and nothing may touch it any more.
  if (!board_.hasLayer()) return 1;
  // The record is read in place: the system already copied it into our
  // process, and the parser stops at the first zero byte, looks at ten lines
  // at most and copies nothing but those lines.
  const std::string_view bytes = data.lpData && data.cbData > 0
                                     ? std::string_view(static_cast<const char*>(data.lpData), data.cbData)
                                     : std::string_view();
  EventRecord record;
  ParseEventRecord(bytes, &record);

  const EventPoint point = EventNumbers(record);
  switch (EventKindOf(record)) {
    case EventKind::kLButtonDown:
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
      menus_.RequestNoteMenu(point.id);
      break;
    case EventKind::kLButtonDoubleClick:
      // The edit dialog runs with the notes let go from the front of the
      // other windows, so that it is never hidden behind one of them.
      if (board_.notes().FindSlot(point.id) == kNoSlot) break;
      board_.LeaveFront();
      dialogs_.Edit(point.id);
      // The layer may have been released meanwhile (end of the session).
      board_.RestoreFront();
      break;
    case EventKind::kNone:
      break;
  }
  return 1;
}

}  // namespace zettrella
