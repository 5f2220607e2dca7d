// RECT as the program's own rectangle types (ScreenRect, vextal::Rect),
// which hold the same four 32-bit edges.
#pragma once

#include <windows.h>

#include "common/geometry.h"

namespace zettrella {

template <class Rectangle = ScreenRect>
Rectangle FromRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace zettrella
