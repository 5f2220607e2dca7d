// The card a note is drawn on: clipped to what the layer can draw and a
// 32-bit process can hold a hundred times, never refused.
#include "notes/card/card_size.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace zettrella {
namespace {

using Size = std::pair<int32_t, int32_t>;

// The card for a note width x height, as width and height.
Size Card(int32_t width, int32_t height) {
  const CardSize card = CardBitmapSize(width, height);
  return {card.width, card.height};
}

TEST(CardBitmapSize, OrdinaryCardsKeepTheirSize) {
  EXPECT_EQ(Card(200, 30), Size(200, 30));
  EXPECT_EQ(Card(100, 10), Size(100, 10));
  EXPECT_EQ(Card(1024, 1024), Size(1024, 1024));  // exactly the budget
  EXPECT_EQ(Card(8192, 128), Size(8192, 128));
}

TEST(CardBitmapSize, OversizedCardsKeepTheirTopLeftWithinTheLimits) {
  EXPECT_EQ(Card(3000000, 39), Size(8192, 39));
  EXPECT_EQ(Card(200, 2000000000), Size(200, 5242));
  EXPECT_EQ(Card(1025, 1024), Size(1025, 1023));
  // Sides whose product wraps around in 32 bits (65536 * 65536 is 0 there).
  for (int32_t side : {46341, 65536, 3000000, INT_MAX}) {
    EXPECT_EQ(Card(side, side), Size(8192, 128)) << side;
  }
}

TEST(CardBitmapSize, NoSideBelowWhatCanBeGrabbed) {
  EXPECT_EQ(Card(0, 30), Size(10, 30));
  EXPECT_EQ(Card(INT_MIN, INT_MIN), Size(10, 10));
  EXPECT_EQ(Card(9, 5), Size(10, 10));
  EXPECT_EQ(Card(INT_MIN, INT_MAX), Size(10, 8192));
}

}  // namespace
}  // namespace zettrella
