// Conversion between stored units (pixels at 96 DPI) and screen pixels.
#include "notes/card/display_scale.h"

#include <gtest/gtest.h>

#include <limits>

namespace zettrella {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(DisplayScale, At96AndUnreadableDpiBothWaysAreTheIdentity) {
  for (int32_t dpi : {96, 0, -5}) {
    const DisplayScale scale{dpi};
    for (int32_t v : {kMin, -7, 0, 1, 199, kMax}) {
      EXPECT_EQ(scale.ToScreen(v), v) << dpi;
      EXPECT_EQ(scale.ToStored(v), v) << dpi;
    }
  }
}

TEST(DisplayScale, RoundsHalvesAwayFromZeroAndSaturates) {
  const DisplayScale scale144{144};
  EXPECT_EQ(scale144.ToScreen(200), 300);
  EXPECT_EQ(scale144.ToScreen(5), 8);
  EXPECT_EQ(scale144.ToScreen(-5), -8);
  EXPECT_EQ(DisplayScale{120}.ToScreen(200), 250);
  EXPECT_EQ(DisplayScale{120}.ToStored(60), 48);
  EXPECT_EQ(scale144.ToStored(60), 40);
  EXPECT_EQ(scale144.ToScreen(kMax), kMax);
  EXPECT_EQ(scale144.ToScreen(kMin), kMin);
  EXPECT_EQ(DisplayScale{kMax}.ToStored(kMin), -96);
}

// A note shown and taken back at its shown place keeps its stored value.
TEST(DisplayScale, AboveAndAt96ToStoredUndoesToScreen) {
  for (int32_t dpi : {97, 120, 144, 192}) {
    const DisplayScale scale{dpi};
    for (int32_t v = -3000; v <= 3000; ++v) ASSERT_EQ(scale.ToStored(scale.ToScreen(v)), v) << dpi;
    for (int32_t v : {kMin / 3, kMax / 3}) EXPECT_EQ(scale.ToStored(scale.ToScreen(v)), v) << dpi;
  }
}

}  // namespace
}  // namespace zettrella
