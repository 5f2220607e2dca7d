// Where the dialogs open, as plain arithmetic on screen rectangles.
#pragma once

#include <cstdint>

#include "common/geometry.h"

namespace zettrella {

// A dialog of width w and height h placed at a note's position: negative
// coordinates become 0, then the dialog is moved left and up until it ends
// at the desktop's right and bottom edges. Only those two edges count, so a
// dialog larger than the desktop ends at a negative coordinate.
ScreenPoint PlaceAtNotePosition(int32_t noteX, int32_t noteY, int32_t w, int32_t h, const ScreenRect& desktop);

// A dialog of width w and height h centred on the desktop and then pushed
// inside the work area (the left and top edges win over right and bottom).
ScreenPoint CenterPosition(int32_t w, int32_t h, const ScreenRect& desktop, const ScreenRect& workArea);

}  // namespace zettrella
