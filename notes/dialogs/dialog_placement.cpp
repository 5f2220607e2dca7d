// Dialog placement on the screen.
#include "notes/dialogs/dialog_placement.h"

#include "common/win_rect.h"
#include "notes/dialogs/placement_rules.h"

namespace zettrella {

void PlaceAtNote(HWND dialog, const Note& note, const ScreenRect& desktopRect) {
  RECT window{};
  GetWindowRect(dialog, &window);
  const ScreenPoint at =
      PlaceAtNotePosition(note.posX, note.posY, window.right - window.left, window.bottom - window.top, desktopRect);
  SetWindowPos(dialog, HWND_TOP, at.x, at.y, 0, 0, SWP_NOSIZE);
}

void CenterOnDesktop(HWND dialog) {
  RECT window{};
  GetWindowRect(dialog, &window);
  HWND desktopWindow = GetDesktopWindow();
  RECT desktop{};
  GetWindowRect(desktopWindow, &desktop);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(desktopWindow, MONITOR_DEFAULTTONEAREST), &monitor);
  const ScreenPoint at = CenterPosition(window.right - window.left, window.bottom - window.top, FromRect(desktop),
                                        FromRect(monitor.rcWork));
  SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zettrella
