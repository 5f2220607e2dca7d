// Conversion between stored units and screen pixels.
#include "notes/card/display_scale.h"

#include "common/saturate.h"

namespace zettrella {

namespace {

// value * numerator / denominator rounded to the nearest, halves away from
// zero; both factors are at most 2^31, so nothing overflows 64 bits.
int32_t ScaleRounded(int32_t value, int64_t numerator, int64_t denominator) {
  const int64_t product = static_cast<int64_t>(value) * numerator;
  const int64_t magnitude = product < 0 ? -product : product;
  const int64_t rounded = magnitude / denominator + (2 * (magnitude % denominator) >= denominator ? 1 : 0);
  return Saturate(product < 0 ? -rounded : rounded);
}

int64_t UsableDpi(int32_t dpi) { return dpi > 0 ? dpi : kStoredDpi; }

}  // namespace

int32_t DisplayScale::ToScreen(int32_t stored) const { return ScaleRounded(stored, UsableDpi(Dpi), kStoredDpi); }

int32_t DisplayScale::ToStored(int32_t screen) const { return ScaleRounded(screen, kStoredDpi, UsableDpi(Dpi)); }

}  // namespace zettrella
