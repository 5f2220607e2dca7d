// Decimal numbers as the settings file, event records and the shared value
// store write them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zettrella {

// Reads a decimal integer the way the C runtime's atol does: leading blanks,
// an optional sign, then digits up to the first other byte; no digits give 0.
// Unlike atol, a value outside the 32-bit range saturates instead of being
// undefined.
int32_t ParseDecimal(std::string_view text);

// "%d".
std::string FormatDecimal(int32_t value);

}  // namespace zettrella
