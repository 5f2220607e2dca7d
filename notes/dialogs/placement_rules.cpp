// Dialog placement arithmetic. Positions come from the settings file and may
// be anything, so the sums are taken in 64 bits and saturated.
#include "notes/dialogs/placement_rules.h"

#include "common/saturate.h"

namespace zettrella {

ScreenPoint PlaceAtNotePosition(int32_t noteX, int32_t noteY, int32_t w, int32_t h, const ScreenRect& desktop) {
  int64_t x = noteX < 0 ? 0 : noteX;
  int64_t y = noteY < 0 ? 0 : noteY;
  if (x + w > desktop.right) x = static_cast<int64_t>(desktop.right) - w;
  if (y + h > desktop.bottom) y = static_cast<int64_t>(desktop.bottom) - h;
  return {Saturate(x), Saturate(y)};
}

namespace {

// One axis of CenterPosition.
int32_t CenterOnAxis(int32_t low, int32_t high, int32_t size, int32_t workLow, int32_t workHigh) {
  int64_t at = (static_cast<int64_t>(low) + high) / 2 - size / 2;
  if (at < workLow) {
    at = workLow;
  } else if (at + size > workHigh) {
    at = static_cast<int64_t>(workHigh) - size;
  }
  return Saturate(at);
}

}  // namespace

ScreenPoint CenterPosition(int32_t w, int32_t h, const ScreenRect& desktop, const ScreenRect& workArea) {
  return {CenterOnAxis(desktop.left, desktop.right, w, workArea.left, workArea.right),
          CenterOnAxis(desktop.top, desktop.bottom, h, workArea.top, workArea.bottom)};
}

}  // namespace zettrella
