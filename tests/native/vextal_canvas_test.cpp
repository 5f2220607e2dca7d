// Filling and line drawing into bitmap memory, clipped to the bitmap.
#include "vextal/canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace vextal {
namespace {

constexpr int32_t kInk = 0x123456;

// A small bitmap whose pixels start as zero.
struct Bitmap {
  Bitmap(int w, int h) : pixels(size_t(w) * h, 0), canvas{pixels.data(), w, h} {}
  bool Inked(int x, int y) const { return pixels[size_t(y) * canvas.width + x] == OpaquePixel(kInk); }
  int Count() const {
    int n = 0;
    for (uint32_t p : pixels) n += p == OpaquePixel(kInk);
    return n;
  }
  // The bitmap as rows of '#' and '.', for readable expectations.
  std::string Picture() const {
    std::string s;
    for (int y = 0; y < canvas.height; ++y) {
      for (int x = 0; x < canvas.width; ++x) s += Inked(x, y) ? '#' : '.';
      s += '\n';
    }
    return s;
  }
  std::vector<uint32_t> pixels;
  Canvas canvas;
};

TEST(Colour, RgbBecomesColorrefAndOpaquePixel) {
  EXPECT_EQ(RgbToColorref(0xFF0000), 0x0000FFu);
  EXPECT_EQ(RgbToColorref(0x123456), 0x563412u);
  EXPECT_EQ(RgbToColorref(0x7F123456), 0x563412u);  // stray high bits ignored
  EXPECT_EQ(OpaquePixel(0x7FFFFF), 0xFF7FFFFFu);
}

using Size = std::pair<int32_t, int32_t>;

Size Clipped(int32_t width, int32_t height) {
  const BitmapSize size = ClipBitmapSize(width, height);
  return {size.width, size.height};
}

TEST(ClipBitmapSize, LargeRequestsGetTheLargestBitmapAndEmptyOnesNone) {
  EXPECT_EQ(Clipped(200, 30), Size(200, 30));
  EXPECT_EQ(Clipped(8192, 8192), Size(8192, 8192));  // exactly 2^26 pixels
  EXPECT_EQ(Clipped(8193, 8192), Size(8193, 8191));
  EXPECT_EQ(Clipped(3000000, 30), Size(32767, 30));
  EXPECT_EQ(Clipped(1, INT_MAX), Size(1, 32767));
  // Products that wrap around in 32 bits (65536 * 65536 is 0 there).
  for (int32_t side : {46341, 65536, 100000, INT_MAX}) {
    EXPECT_EQ(Clipped(side, side), Size(32767, 2048)) << side;
  }
  for (auto [w, h] : {Size{0, 10}, {10, 0}, {-1, 10}, {10, INT_MIN}, {INT_MIN, INT_MAX}}) {
    EXPECT_EQ(Clipped(w, h), Size(0, 0)) << w << "x" << h;
  }
}

TEST(FillRect, FillsExactlyTheRectangleClippedToTheBitmap) {
  Bitmap b(5, 4);
  FillRect(b.canvas, 1, 1, 3, 2, kInk);
  EXPECT_EQ(b.Picture(), ".....\n.###.\n.###.\n.....\n");

  Bitmap c(5, 4);
  FillRect(c.canvas, -2, 2, 4, 100, kInk);
  EXPECT_EQ(c.Picture(), ".....\n.....\n##...\n##...\n");
}

TEST(FillRect, EmptyAndFarAwayRectanglesDrawNothing) {
  Bitmap b(4, 4);
  FillRect(b.canvas, 0, 0, 0, 4, kInk);
  FillRect(b.canvas, 0, 0, 4, -1, kInk);
  FillRect(b.canvas, 4, 0, 2, 2, kInk);
  FillRect(b.canvas, INT_MAX, INT_MAX, INT_MAX, INT_MAX, kInk);
  FillRect(b.canvas, INT_MIN, INT_MIN, INT_MAX, INT_MAX, kInk);
  EXPECT_EQ(b.Count(), 0);
  FillRect(b.canvas, INT_MIN, INT_MIN, INT_MAX, INT_MAX, kInk);
  FillRect(b.canvas, -1000, -1000, INT_MAX, INT_MAX, kInk);
  EXPECT_EQ(b.Count(), 16);
}

TEST(MakeOpaque, SetsOnlyTheAlphaOfTheClippedRectangle) {
  Bitmap b(3, 2);
  std::fill(b.pixels.begin(), b.pixels.end(), uint32_t{kInk});
  MakeOpaque(b.canvas, 1, -5, 10, 6);
  EXPECT_EQ(b.Picture(), ".##\n...\n");
}

TEST(DrawLine, DrawsBothEndPoints) {
  Bitmap b(5, 3);
  DrawLine(b.canvas, 0, 0, 4, 0, kInk);
  DrawLine(b.canvas, 2, 2, 2, 2, kInk);
  EXPECT_EQ(b.Picture(), "#####\n.....\n..#..\n");
}

TEST(DrawLine, SlopedLinesAreConnectedInEitherDirection) {
  Bitmap a(5, 5), b(5, 5);
  DrawLine(a.canvas, 0, 0, 4, 2, kInk);
  DrawLine(b.canvas, 4, 2, 0, 0, kInk);
  EXPECT_EQ(a.Picture(), b.Picture());
  // Halfway points round the same way whichever end is given first.
  EXPECT_EQ(a.Picture(), "#....\n.##..\n...##\n.....\n.....\n");
  Bitmap steep(3, 5);
  DrawLine(steep.canvas, 0, 0, 2, 4, kInk);
  EXPECT_EQ(steep.Count(), 5);  // one pixel per row
  EXPECT_TRUE(steep.Inked(0, 0));
  EXPECT_TRUE(steep.Inked(2, 4));
}

TEST(DrawLine, ClipsToTheBitmapWithoutWalkingHugeLines) {
  Bitmap b(4, 3);
  DrawLine(b.canvas, -10, 1, 10, 1, kInk);
  EXPECT_EQ(b.Picture(), "....\n####\n....\n");

  // Coordinates at the ends of the 32-bit range finish at once and draw
  // only what lies on the bitmap.
  Bitmap c(4, 3);
  DrawLine(c.canvas, INT_MIN, 0, INT_MAX, 0, kInk);
  EXPECT_EQ(c.Picture(), "####\n....\n....\n");
  Bitmap d(4, 4);
  DrawLine(d.canvas, INT_MIN, INT_MIN, INT_MAX, INT_MAX, kInk);
  EXPECT_EQ(d.Count(), 4);
  Bitmap e(4, 4);
  DrawLine(e.canvas, INT_MAX, INT_MIN, INT_MAX, INT_MAX, kInk);
  DrawLine(e.canvas, 100, 100, 200, 300, kInk);
  EXPECT_EQ(e.Count(), 0);
}

}  // namespace
}  // namespace vextal
