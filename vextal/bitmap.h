// The layer's bitmaps and the table that hands out their numbers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "common/win_handles.h"
#include "vextal/canvas.h"
#include "vextal/handle_table.h"

namespace vextal {

// A 32-bit top-down DIB section selected into its own memory DC: GDI draws
// text through the DC, fills and lines go straight into its memory, and
// UpdateLayeredWindow shows it from the DC.
class Bitmap {
 public:
  // At most the largest bitmap (ClipBitmapSize); null when a side is not
  // positive or the memory cannot be had.
  static std::unique_ptr<Bitmap> Create(int32_t width, int32_t height);

  HDC dc() const { return dc_.get(); }
  int32_t width() const { return canvas_.width; }
  int32_t height() const { return canvas_.height; }
  // Pending GDI drawing is flushed first, so the memory is current.
  Canvas canvas() const {
    GdiFlush();
    return canvas_;
  }

 private:
  Bitmap() = default;
  // Destroyed in reverse: the bitmap leaves the DC before either goes.
  zettrella::UniqueMemoryDc dc_;
  zettrella::UniqueBitmap bitmap_;
  std::optional<zettrella::SelectedObject> selection_;
  Canvas canvas_{nullptr, 0, 0};
};

using BitmapTable = HandleTable<std::unique_ptr<Bitmap>>;

// The bitmap of that number when `extra` is its companion value, else null.
Bitmap* FindBitmap(BitmapTable& bitmaps, int32_t bitmap, int32_t extra);

}  // namespace vextal
