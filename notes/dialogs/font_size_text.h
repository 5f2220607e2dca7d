// Font sizes as the size picker shows and reads them: points on the screen,
// twips (1/20 point) between the picker and its dialog.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zettrella {

// The shown form of a size: whole points ("10") or half points ("10.5"),
// rounded to the nearest half point; empty for a negative size.
std::string FormatTwips(int32_t twips);

// The twips of a typed size: a decimal number (strtod syntax) with optional
// spaces and tabs around it, times 20, truncated toward zero. Text that is
// not such a number, a negative number, and a number whose twips do not fit
// in 32 bits (such as 9e99, inf or nan) give lastTwips, the size shown before.
int32_t ParseSizeTwips(std::string_view text, int32_t lastTwips);

}  // namespace zettrella
