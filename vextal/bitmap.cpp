// DIB sections in memory DCs.
#include "vextal/bitmap.h"

namespace vextal {

std::unique_ptr<Bitmap> Bitmap::Create(int32_t requestedWidth, int32_t requestedHeight) {
  // Too large a request gets the largest bitmap rather than none, so that
  // an object always has an image to show.
  const auto [width, height] = ClipBitmapSize(requestedWidth, requestedHeight);
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::unique_ptr<Bitmap> b(new Bitmap);
  b->dc_.reset(CreateCompatibleDC(nullptr));
  if (!b->dc_) return nullptr;
  void* bits = nullptr;
  b->bitmap_.reset(CreateDIBSection(b->dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!b->bitmap_ || !bits) return nullptr;
  b->selection_.emplace(b->dc(), b->bitmap_.get());
  b->canvas_ = {static_cast<uint32_t*>(bits), width, height};
  return b;
}

Bitmap* FindBitmap(BitmapTable& bitmaps, int32_t bitmap, int32_t extra) {
  if (extra != CompanionOf(bitmap)) return nullptr;
  std::unique_ptr<Bitmap>* b = bitmaps.Find(bitmap);
  return b ? b->get() : nullptr;
}

}  // namespace vextal
