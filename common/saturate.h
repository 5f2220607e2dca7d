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

}  // namespace zettrella
