// Filling, line drawing and the alpha pass straight into DIB memory: exact
// pixels, no GDI round trip, and coordinates of any size clipped without
// looping over them.
#include "vextal/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace vextal {
namespace {

// Coordinates up to this size keep every product below in 64 bits.
constexpr int64_t kExactRange = int64_t{1} << 24;

bool InExactRange(int64_t v) { return v >= -kExactRange && v <= kExactRange; }

// Cuts a far-reaching segment down to the box around the canvas (one pixel
// of margin) so that the exact stepping below works on small numbers.
// Returns false when the segment misses the box.
bool ClipToBox(const Canvas& c, int64_t& x1, int64_t& y1, int64_t& x2, int64_t& y2) {
  const double xmin = -1, ymin = -1, xmax = c.width, ymax = c.height;
  double t0 = 0, t1 = 1;
  const double dx = double(x2 - x1), dy = double(y2 - y1);
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {double(x1) - xmin, xmax - double(x1), double(y1) - ymin, ymax - double(y1)};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, r);
    else
      t1 = std::min(t1, r);
    if (t0 > t1) return false;
  }
  const double ox = double(x1), oy = double(y1);
  x1 = std::llround(ox + t0 * dx);
  y1 = std::llround(oy + t0 * dy);
  x2 = std::llround(ox + t1 * dx);
  y2 = std::llround(oy + t1 * dy);
  return true;
}

// a * b / d rounded to the nearest integer, halves away from zero; d > 0.
int64_t RoundedRatio(int64_t a, int64_t b, int64_t d) {
  const int64_t n = a * b;
  return n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
}

// Calls f(first, end) with the pixels of each row of the rectangle x, y,
// width, height that lie on the canvas; sizes of 0 or less give no rows.
template <class F>
void ForEachRow(const Canvas& c, int32_t x, int32_t y, int32_t width, int32_t height, F f) {
  if (width <= 0 || height <= 0) return;
  const int64_t left = std::max<int64_t>(x, 0);
  const int64_t top = std::max<int64_t>(y, 0);
  const int64_t right = std::min<int64_t>(int64_t{x} + width, c.width);
  const int64_t bottom = std::min<int64_t>(int64_t{y} + height, c.height);
  if (left >= right || top >= bottom) return;
  for (int64_t row = top; row < bottom; ++row) {
    uint32_t* line = c.pixels + row * c.width;
    f(line + left, line + right);
  }
}

}  // namespace

BitmapSize ClipBitmapSize(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return {0, 0};
  const int64_t w = std::min(width, kMaxBitmapSide);
  const int64_t h = std::min<int64_t>({height, kMaxBitmapSide, kMaxBitmapPixels / w});
  return {static_cast<int32_t>(w), static_cast<int32_t>(h)};
}

void FillRect(const Canvas& c, int32_t x, int32_t y, int32_t width, int32_t height, int32_t rgb) {
  const uint32_t px = OpaquePixel(rgb);
  ForEachRow(c, x, y, width, height, [px](uint32_t* from, uint32_t* to) { std::fill(from, to, px); });
}

void MakeOpaque(const Canvas& c, int32_t x, int32_t y, int32_t width, int32_t height) {
  ForEachRow(c, x, y, width, height, [](uint32_t* from, uint32_t* to) {
    for (uint32_t* p = from; p != to; ++p) *p |= 0xFF000000u;
  });
}

void DrawLine(const Canvas& c, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t rgb) {
  if (c.width <= 0 || c.height <= 0) return;
  int64_t x1 = ax, y1 = ay, x2 = bx, y2 = by;
  if (!(InExactRange(x1) && InExactRange(y1) && InExactRange(x2) && InExactRange(y2)) &&
      !ClipToBox(c, x1, y1, x2, y2)) {
    return;
  }
  const uint32_t px = OpaquePixel(rgb);
  auto plot = [&](int64_t x, int64_t y) {
    if (x >= 0 && y >= 0 && x < c.width && y < c.height) c.pixels[y * c.width + x] = px;
  };
  // Step along the longer axis, only over the part that lies on the canvas;
  // the other coordinate is the exact rounded point of the ideal line.
  const bool steep = std::llabs(y2 - y1) > std::llabs(x2 - x1);
  if (steep) {
    std::swap(x1, y1);
    std::swap(x2, y2);
  }
  if (x1 > x2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const int64_t major = steep ? c.height : c.width;
  const int64_t from = std::max<int64_t>(x1, 0);
  const int64_t to = std::min<int64_t>(x2, major - 1);
  const int64_t dx = x2 - x1, dy = y2 - y1;
  for (int64_t t = from; t <= to; ++t) {
    const int64_t m = dx == 0 ? y1 : y1 + RoundedRatio(t - x1, dy, dx);
    plot(steep ? m : t, steep ? t : m);
  }
}

}  // namespace vextal
