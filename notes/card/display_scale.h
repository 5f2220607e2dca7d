// The two units of a note's place and size: stored units, which the
// settings file keeps (pixels at 96 DPI, what a program without DPI
// awareness sees on any screen), and the screen's pixels at its DPI. The
// board converts between them here and nowhere else.
#pragma once

#include <cstdint>

namespace zettrella {

inline constexpr int32_t kStoredDpi = 96;

struct DisplayScale {
  // The screen's DPI; 0 or below (unreadable) counts as 96.
  int32_t dpi = kStoredDpi;

  // stored * Dpi / 96 and screen * 96 / Dpi, each rounded to the nearest
  // pixel with halves away from zero and held in the 32-bit range. At 96
  // both are the identity; at 96 and above ToStored(ToScreen(v)) == v for
  // every value that does not saturate, so a note moved back to where it
  // was shown stores the position it had.
  int32_t ToScreen(int32_t stored) const;
  int32_t ToStored(int32_t screen) const;
};

}  // namespace zettrella
