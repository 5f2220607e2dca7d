// Pixels of a 32-bit top-down bitmap, its largest size and the two shapes
// drawn into it, all clipped to the bitmap, plus the conversion of this
// layer's colours.
#pragma once

#include <cstdint>

namespace vextal {

// A view of width * height pixels, row after row from the top, each pixel
// 0xAARRGGBB (the memory layout of a 32-bit Windows DIB).
struct Canvas {
  uint32_t* pixels;
  int32_t width;
  int32_t height;
};

// Colours are 0x00RRGGBB; drawn pixels are opaque.
constexpr uint32_t OpaquePixel(int32_t rgb) { return 0xFF000000u | (static_cast<uint32_t>(rgb) & 0x00FFFFFFu); }

// 0x00RRGGBB to a Windows COLORREF, which holds 0x00BBGGRR.
constexpr uint32_t RgbToColorref(int32_t rgb) {
  const auto v = static_cast<uint32_t>(rgb);
  return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

// The largest bitmap the layer makes. A window wider or taller than 32767
// pixels would report wrapped positions in the 16-bit halves of its mouse
// messages; 2^26 pixels (256 MB) is far more than any screen shows.
inline constexpr int32_t kMaxBitmapSide = 32767;
inline constexpr int64_t kMaxBitmapPixels = int64_t{1} << 26;

struct BitmapSize {
  int32_t width;
  int32_t height;
};

// The size of the bitmap made for a request of width x height: each side cut
// to kMaxBitmapSide, then the height cut so that the pixels stay within
// kMaxBitmapPixels, which keeps the top-left part of what was asked. A side
// of 0 or less asks for nothing: 0 x 0.
BitmapSize ClipBitmapSize(int32_t width, int32_t height);

// Fills the rectangle x, y, width, height; sizes of 0 or less fill nothing.
void FillRect(const Canvas& canvas, int32_t x, int32_t y, int32_t width, int32_t height, int32_t rgb);

// Sets the alpha byte of the pixels of the rectangle, clipped as FillRect,
// to opaque: GDI leaves it at 0 where it draws text.
void MakeOpaque(const Canvas& canvas, int32_t x, int32_t y, int32_t width, int32_t height);

// A one-pixel line from (x1, y1) to (x2, y2), both end points included.
void DrawLine(const Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t rgb);

}  // namespace vextal
