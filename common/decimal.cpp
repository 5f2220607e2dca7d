// Decimal reading and writing without the C runtime's locale or overflow traps.
#include "common/decimal.h"

#include <limits>

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
  // Accumulate as a negative number so that INT32_MIN is reachable.
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 - (text[i] - '0');
    if (value < kMin - 1) value = kMin - 1;  // far enough to saturate either way
  }
  if (negative) return static_cast<int32_t>(value < kMin ? kMin : value);
  value = -value;
  return static_cast<int32_t>(value > kMax ? kMax : value);
}

std::string FormatDecimal(int32_t value) { return std::to_string(value); }

}  // namespace zettrella
