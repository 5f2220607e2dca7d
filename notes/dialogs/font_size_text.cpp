// Formatting and reading of the size picker's text.
#include "notes/dialogs/font_size_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace zettrella {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string FormatTwips(int32_t twips) {
  if (twips < 0) return std::string();
  // Half points, rounded; 64 bits so that the largest size cannot overflow.
  const int64_t halfPoints = (static_cast<int64_t>(twips) + 5) / 10;
  char text[32];
  if (halfPoints % 2 == 0) {
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(halfPoints / 2));
  } else {
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(halfPoints) * 0.5);
  }
  return text;
}

int32_t ParseSizeTwips(std::string_view text, int32_t lastTwips) {
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  if (start == text.size()) return lastTwips;

  // strtod needs a terminated string.
  const std::string number(text.substr(start));
  const char* begin = number.c_str();
  char* end = nullptr;
  const double value = std::strtod(begin, &end);
  if (end == begin) return lastTwips;
  while (*end != '\0' && IsBlank(*end)) ++end;
  if (*end != '\0') return lastTwips;

  // A size that is no number, negative, or too large for 32-bit twips is as
  // unreadable as a word; converting it would be undefined.
  if (std::isnan(value) || value < 0) return lastTwips;
  const double twips = value * 20;
  if (!(twips < static_cast<double>(std::numeric_limits<int32_t>::max()) + 1.0)) return lastTwips;
  return static_cast<int32_t>(twips);
}

}  // namespace zettrella
