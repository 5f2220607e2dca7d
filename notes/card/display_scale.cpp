// Conversion between stored units and screen pixels.
#include "notes/card/display_scale.h"

#include "common/saturate.h"

namespace zettrella {

namespace {

int64_t UsableDpi(int32_t dpi) { return dpi > 0 ? dpi : kStoredDpi; }

}  // namespace

int32_t DisplayScale::ToScreen(int32_t stored) const { return ScaleRounded(stored, UsableDpi(dpi), kStoredDpi); }

int32_t DisplayScale::ToStored(int32_t screen) const { return ScaleRounded(screen, kStoredDpi, UsableDpi(dpi)); }

}  // namespace zettrella
