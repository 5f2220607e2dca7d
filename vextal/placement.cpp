// Bringing stranded notes back onto a monitor.
#include "vextal/placement.h"

#include <algorithm>

#include "common/saturate.h"

namespace vextal {
namespace {

struct Span {
  int64_t lo;
  int64_t hi;  // exclusive
};

bool Overlaps(Span a, Span b) { return a.lo < b.hi && b.lo < a.hi; }

// Distance between two spans along one axis, 0 when they overlap.
int64_t Gap(Span a, Span b) {
  if (a.hi <= b.lo) return b.lo - a.hi + 1;
  if (b.hi <= a.lo) return a.lo - b.hi + 1;
  return 0;
}

// The start of a span of length len moved the shortest way into [lo, hi);
// a span longer than the room starts at lo.
int64_t ClampStart(int64_t start, int64_t len, Span room) {
  if (start + len > room.hi) start = room.hi - len;
  if (start < room.lo) start = room.lo;
  return start;
}

}  // namespace

Point ReachablePosition(Point at, int32_t width, int32_t height, const std::vector<Monitor>& monitors) {
  const int64_t w = std::max(width, 1);
  const int64_t h = std::max(height, 1);
  const Span ox{at.x, at.x + w};
  const Span oy{at.y, at.y + h};
  const Monitor* nearest = nullptr;
  double best = 0;
  for (const Monitor& m : monitors) {
    const Span mx{m.area.left, m.area.right};
    const Span my{m.area.top, m.area.bottom};
    if (Overlaps(ox, mx) && Overlaps(oy, my)) return at;
    // Squares of 33-bit gaps overflow 64-bit integers; a double is exact
    // enough to tell the nearer monitor.
    const double gx = double(Gap(ox, mx)), gy = double(Gap(oy, my));
    const double d = gx * gx + gy * gy;
    if (!nearest || d < best) {
      nearest = &m;
      best = d;
    }
  }
  if (!nearest) return at;
  const Rect& work = nearest->work.right > nearest->work.left && nearest->work.bottom > nearest->work.top
                         ? nearest->work
                         : nearest->area;
  return {zettrella::Saturate(ClampStart(at.x, w, {work.left, work.right})),
          zettrella::Saturate(ClampStart(at.y, h, {work.top, work.bottom}))};
}

}  // namespace vextal
