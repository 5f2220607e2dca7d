// Points and rectangles on the screen, as plain values: the program's own
// types for what Windows calls POINT and RECT.
#pragma once

#include <cstdint>

namespace zettrella {

struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
};

struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

}  // namespace zettrella
