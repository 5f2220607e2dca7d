// The size of the bitmap a note's card is drawn on.
#pragma once

#include <cstdint>

namespace zettrella {

// Every note gets a card the layer can make and the user can grab, however
// large or small its Width and the default height are; what lies beyond the
// largest card is clipped, never refused.
//  - At least 10 pixels a side (the least height the dialogs accept), so that
//    a hand-edited Width of 0 or below still leaves something to grab.
//  - At most 8192 pixels a side: more than any screen shows at once, and well
//    inside the layer's own limit (32767 a side).
//  - At most 2^20 pixels (4 MB at 32 bits a pixel): 100 such cards take
//    400 MB, and 800 MB where the window system keeps a second copy of each
//    image in the process (as Wine does), well inside the 2 GB of a 32-bit
//    process.
inline constexpr int32_t kMinCardSide = 10;
inline constexpr int32_t kMaxCardSide = 8192;
inline constexpr int64_t kMaxCardPixels = int64_t{1} << 20;

struct CardSize {
  int32_t width;
  int32_t height;
};

// The card's bitmap for a note width x height pixels: each side held between
// the least and the greatest side, then the height cut so that the pixels
// stay within the budget. The card keeps its top-left part, where the top
// row and the first lines of the text are.
CardSize CardBitmapSize(int32_t width, int32_t height);

}  // namespace zettrella
