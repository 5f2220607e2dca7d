// Arithmetic on values from outside (a hand-edited settings file, the layer
// library) that must not overflow.
#pragma once

#include <cstdint>
#include <limits>

namespace zettrella {

// value clamped to the 32-bit range.
constexpr int32_t Saturate(int64_t value) {
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value < kMin ? kMin : value > kMax ? kMax : value);
}

// a + b without overflow.
constexpr int32_t SaturatedAdd(int32_t a, int64_t b) { return Saturate(static_cast<int64_t>(a) + b); }

// value * numerator / denominator (denominator > 0) rounded to the nearest,
// halves away from zero, as MulDiv rounds, and held in the 32-bit range.
// Factors up to 2^31 do not overflow 64 bits. The note program scales its
// cards and the layer library its fonts by the screen's DPI with it, so that
// both agree to the pixel.
constexpr int32_t ScaleRounded(int32_t value, int64_t numerator, int64_t denominator) {
  const int64_t product = static_cast<int64_t>(value) * numerator;
  const int64_t magnitude = product < 0 ? -product : product;
  const int64_t rounded = magnitude / denominator + (2 * (magnitude % denominator) >= denominator ? 1 : 0);
  return Saturate(product < 0 ? -rounded : rounded);
}

}  // namespace zettrella
