// The layer's fonts, word wrap and text drawn into bitmaps with GDI.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "common/win_handles.h"
#include "vextal/bitmap.h"
#include "vextal/handle_table.h"
#include "vextal/vextal_api.h"

namespace vextal {

// A GDI font with the metrics that layout needs; `owned` holds the handle
// unless it is the stock fallback.
struct Font {
  zettrella::UniqueFont owned;
  HFONT handle = nullptr;
  int lineHeight = 16;
  int tabStop = 64;
};

class TextRenderer {
 public:
  // Font numbers start at `firstFont`.
  explicit TextRenderer(int32_t firstFont);

  int32_t NextFont() const { return fonts_.NextHandle(); }
  // The font `face` (code page 932) at `points` at the screen's resolution;
  // an unknown face gets the font mapper's substitute. 0 when none is made.
  int32_t AddFont(std::string_view face, int32_t points);
  void RemoveFont(int32_t font) { fonts_.Remove(font); }
  std::string WordWrap(std::string_view text, int32_t font, int32_t width);
  // Draws into `target`, or with no target only measures: rect.bottom
  // becomes the bottom of the laid-out text.
  void Render(Bitmap* target, std::string_view text, int32_t font, int32_t colour, Rect& rect);

 private:
  // The font of that number; no font or an unknown one is the stock GUI font.
  const Font& FontOrStock(int32_t font);

  zettrella::UniqueMemoryDc measureDc_;
  int dpi_ = 96;
  Font stockFont_;
  HandleTable<Font> fonts_;
};

}  // namespace vextal
