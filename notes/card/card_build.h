// Building a note's card in the layer library: one object showing one
// bitmap with the card's background, its top row and its text.
#pragma once

#include <cstdint>
#include <string_view>

#include "notes/card/display_scale.h"
#include "notes/card/note_colours.h"
#include "notes/layer/note_layer.h"

namespace zettrella {

// A card's image in the layer library; never stored.
struct NoteImage {
  int32_t noteBitmap = 0;  // 0 = no image
  int32_t noteBitmapCompanion = 0;
};

// What a card shows and where. Place and sizes are in stored units; the
// card is drawn Scale times as large, margins and top row included.
struct CardRequest {
  int32_t posX = 0;
  int32_t posY = 0;
  int32_t width = 0;
  int32_t priority = 0;
  std::string_view text;  // as shown (masked already); wrapped to the width here
  std::string_view fontName;
  int32_t fontSize = 0;
  NoteColours colours{};
  int32_t minHeight = 0;  // the card is at least this high
  DisplayScale scale{};
};

// The card as it came out, in screen pixels.
struct CardShape {
  vextal::Rect textRect{};  // where the text went on the bitmap
  int32_t height = 0;       // the bitmap's height
};

// Builds the card under the drawing lock: font, wrap, measure, then the
// object (replacing *id when it names one), the bitmap (replacing *image's),
// the image, the background, the top row and the text; the font goes again
// and the image is shown. The bitmap keeps the text's width and is clipped
// as CardBitmapSize says.
CardShape BuildCard(NoteLayer& layer, const CardRequest& request, int32_t* id, NoteImage* image);

}  // namespace zettrella
