// Decimal reading and writing without the C runtime's locale or overflow traps.
#include "common/decimal.h"

#include <algorithm>

#include "common/saturate.h"

namespace zettrella {

namespace {
bool IsBlank(char c) {
  // isspace in the "C" locale.
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}  // namespace

int32_t ParseDecimal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Held at 2^32, past the 32-bit range either way, so that it cannot overflow.
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min<int64_t>(value * 10 + (text[i] - '0'), int64_t{1} << 32);
  }
  return Saturate(negative ? -value : value);
}

std::string FormatDecimal(int32_t value) { return std::to_string(value); }

}  // namespace zettrella
