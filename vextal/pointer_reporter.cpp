// Presses, drags, releases and clicks on the objects, sent to the attached
// window as WM_COPYDATA event records.
#include "vextal/pointer_reporter.h"

#include <string>

#include "common/event_record.h"
#include "common/protocol.h"

namespace vextal {
namespace {

// While the left button is held on an object, the pointer is followed by
// this timer as well as by the captured mouse messages, because a capture
// does not bring the messages everywhere (not under Wine, for one).
constexpr UINT_PTR kDragTimer = 1;
constexpr UINT kDragTimerMs = 10;

Point CursorPoint() {
  POINT p{0, 0};
  GetCursorPos(&p);
  return {p.x, p.y};
}

void SendEvent(HWND to, HWND from, const char* name, int32_t id, Point at) {
  if (!to || !IsWindow(to)) return;
  std::string record = zettrella::FormatEventRecord(name, id, at.x, at.y);
  COPYDATASTRUCT data{0, static_cast<DWORD>(record.size()), record.data()};
  DWORD_PTR result = 0;
  // A receiver in a hung process must not freeze the notes' thread.
  SendMessageTimeoutA(to, WM_COPYDATA, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&data),
                      SMTO_ABORTIFHUNG, 5000, &result);
}

}  // namespace

bool PointerReporter::OnMouse(HWND hwnd, UINT message, int32_t id, Drag& drag) {
  // Presses and releases are reported where the pointer was when they
  // happened; moves where it is now, which is never older than what was
  // reported before (the dragged window moves between the messages).
  const DWORD at = GetMessagePos();
  const Point messagePos{static_cast<int16_t>(LOWORD(at)), static_cast<int16_t>(HIWORD(at))};
  // Nothing of the object is touched after SendEvent: the receiver may
  // delete it, and its window, before the call returns.
  switch (message) {
    case WM_LBUTTONDOWN:
      drag.pressed = true;
      drag.lastReported = messagePos;
      SetCapture(hwnd);
      SetTimer(hwnd, kDragTimer, kDragTimerMs, nullptr);
      SendEvent(target_, hwnd, zettrella::kEventLButtonDown, id, messagePos);
      return true;
    case WM_MOUSEMOVE:
      if (drag.pressed) ReportMove(hwnd, id, drag, CursorPoint());
      return true;
    case WM_TIMER:
      if (!drag.pressed) {
        KillTimer(hwnd, kDragTimer);
      } else if (GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) < 0) {
        ReportMove(hwnd, id, drag, CursorPoint());
      } else {
        // The release went to another window (Wine routes captured input
        // only to the foreground thread): end the drag here.
        EndDrag(hwnd, id, drag, CursorPoint());
      }
      return true;
    case WM_LBUTTONUP:
      if (drag.pressed) EndDrag(hwnd, id, drag, messagePos);
      return true;
    case WM_CAPTURECHANGED:
      // Capture taken away mid-drag (a menu, another program): the timer
      // goes on following the pointer until the button comes up.
      return true;
    case WM_LBUTTONDBLCLK:
      SendEvent(target_, hwnd, zettrella::kEventLButtonDoubleClick, id, messagePos);
      return true;
    case WM_RBUTTONUP:
      SendEvent(target_, hwnd, zettrella::kEventRButtonUp, id, messagePos);
      return true;
    default:
      return false;
  }
}

void PointerReporter::ReportMove(HWND hwnd, int32_t id, Drag& drag, Point at) {
  if (at.x == drag.lastReported.x && at.y == drag.lastReported.y) return;
  drag.lastReported = at;
  SendEvent(target_, hwnd, zettrella::kEventMouseMove, id, at);
}

// A release away from the last reported point first reports the move to
// it, so that whoever drags the object sees it end where the button came up.
void PointerReporter::EndDrag(HWND hwnd, int32_t id, Drag& drag, Point at) {
  drag.pressed = false;
  KillTimer(hwnd, kDragTimer);
  if (GetCapture() == hwnd) ReleaseCapture();
  ReportMove(hwnd, id, drag, at);
  // `drag` may be gone from here on: the receiver can delete the object.
  SendEvent(target_, hwnd, zettrella::kEventLButtonUp, id, at);
}

}  // namespace vextal
