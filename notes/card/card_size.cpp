// Clipping a note's card to a size the layer can draw.
#include "notes/card/card_size.h"

#include <algorithm>

namespace zettrella {

static_assert(kMaxCardPixels / kMaxCardSide >= kMinCardSide, "the widest card must keep the least height");

CardSize CardBitmapSize(int32_t width, int32_t height) {
  const int64_t w = std::clamp<int64_t>(width, kMinCardSide, kMaxCardSide);
  const int64_t h = std::clamp<int64_t>(height, kMinCardSide, kMaxCardSide);
  return {static_cast<int32_t>(w), static_cast<int32_t>(std::min(h, kMaxCardPixels / w))};
}

}  // namespace zettrella
