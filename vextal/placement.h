// Where a note is shown so that the user can always reach it, whatever the
// monitors look like.
#pragma once

#include <cstdint>
#include <vector>

#include "vextal/vextal_api.h"

namespace vextal {

struct Point {
  int32_t x;
  int32_t y;
};

// One monitor: its whole area, and the part of it not covered by task bars.
struct Monitor {
  Rect area;
  Rect work;
};

// The position at which an object at `at`, `width` x `height` pixels, is
// shown. An object that overlaps any monitor stays where it is. One that
// lies on no monitor moves the shortest way onto the work area of the
// nearest monitor, as far inside as its size allows. An object without a
// size counts as one pixel. Without monitors nothing moves.
Point ReachablePosition(Point at, int32_t width, int32_t height, const std::vector<Monitor>& monitors);

}  // namespace vextal
