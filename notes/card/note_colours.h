// The colours of a note's card, in the layer library's 0x00RRGGBB form.
#pragma once

#include <cstdint>

namespace zettrella {

struct NoteColours {
  int32_t background;
  int32_t text;
  int32_t line;  // the card's top row
};

// Cyan, magenta and yellow cards carry their text in the background colour
// with 0x7F taken off each channel; red text is 0xFF0000 on any card. A
// type outside 0-2 (a hand-edited file) gets a black card with white text.
NoteColours ColoursFor(int32_t type, bool textRed);

}  // namespace zettrella
