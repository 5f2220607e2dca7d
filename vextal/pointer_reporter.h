// Mouse messages of the object windows, reported to the attached window as
// event records.
#pragma once

#include <windows.h>

#include <cstdint>

#include "vextal/placement.h"

namespace vextal {

class PointerReporter {
 public:
  // What the reporter keeps of each object between its messages.
  struct Drag {
    bool pressed = false;  // the left button went down on it and is still held
    Point lastReported{0, 0};
  };

  void Attach(HWND target) { target_ = target; }

  // A mouse message of the window of object `id`; false for messages it
  // leaves alone. `drag` may be gone once an event has been sent.
  bool OnMouse(HWND hwnd, UINT message, int32_t id, Drag& drag);

 private:
  // Reports a move to `at` unless that is where the last report was.
  void ReportMove(HWND hwnd, int32_t id, Drag& drag, Point at);
  void EndDrag(HWND hwnd, int32_t id, Drag& drag, Point at);

  HWND target_ = nullptr;
};

}  // namespace vextal
