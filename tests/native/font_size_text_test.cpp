// The size picker's text: half-point formatting and reading typed sizes.
#include "notes/dialogs/font_size_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace zettrella {
namespace {

TEST(FormatTwipsTest, RoundsToHalfPoints) {
  EXPECT_EQ(FormatTwips(200), "10");
  EXPECT_EQ(FormatTwips(210), "10.5");
  EXPECT_EQ(FormatTwips(195), "10");
  EXPECT_EQ(FormatTwips(194), "9.5");
  EXPECT_EQ(FormatTwips(0), "0");
  EXPECT_EQ(FormatTwips(1440), "72");
}

TEST(FormatTwipsTest, NegativeIsEmptyAndLargestDoesNotOverflow) {
  EXPECT_EQ(FormatTwips(-1), "");
  EXPECT_EQ(FormatTwips(std::numeric_limits<int32_t>::min()), "");
  // (2147483647 + 5) / 10 = 214748365 half points, odd.
  EXPECT_EQ(FormatTwips(std::numeric_limits<int32_t>::max()), "107374182.5");
}

TEST(ParseSizeTwipsTest, ReadsPlainNumbersWithBlanksAround) {
  EXPECT_EQ(ParseSizeTwips(" 12 ", 99), 240);
  EXPECT_EQ(ParseSizeTwips("\t12\t", 99), 240);
  EXPECT_EQ(ParseSizeTwips("10.5", 99), 210);
  EXPECT_EQ(ParseSizeTwips("72", 99), 1440);
  EXPECT_EQ(ParseSizeTwips("0", 99), 0);
  EXPECT_EQ(ParseSizeTwips("1e1", 99), 200);
}

TEST(ParseSizeTwipsTest, TruncatesTowardZero) {
  EXPECT_EQ(ParseSizeTwips("10.52", 99), 210);  // 210.4
  EXPECT_EQ(ParseSizeTwips("0.01", 99), 0);     // 0.2
}

TEST(ParseSizeTwipsTest, UnreadableTextGivesLastShownSize) {
  EXPECT_EQ(ParseSizeTwips("12pt", 160), 160);
  EXPECT_EQ(ParseSizeTwips("", 160), 160);
  EXPECT_EQ(ParseSizeTwips("   ", 160), 160);
  EXPECT_EQ(ParseSizeTwips("x", 160), 160);
  EXPECT_EQ(ParseSizeTwips("1 2", 160), 160);
  EXPECT_EQ(ParseSizeTwips("-3", 160), 160);
  EXPECT_EQ(ParseSizeTwips("-4", 160), 160);
}

TEST(ParseSizeTwipsTest, SizesOutsideThe32BitRangeGiveLastShownSize) {
  EXPECT_EQ(ParseSizeTwips("9e99", 160), 160);
  EXPECT_EQ(ParseSizeTwips("inf", 160), 160);
  EXPECT_EQ(ParseSizeTwips("nan", 160), 160);
  EXPECT_EQ(ParseSizeTwips("-nan", 160), 160);
  EXPECT_EQ(ParseSizeTwips("1e300", 160), 160);
  // The largest size whose twips still fit, and the first that does not.
  EXPECT_EQ(ParseSizeTwips("107374182.35", 160), 2147483647);
  EXPECT_EQ(ParseSizeTwips("107374182.4", 160), 160);
}

TEST(ParseSizeTwipsTest, ShownSizeReadsBackAsTheSameHalfPoint) {
  for (int32_t twips : {160, 180, 190, 200, 210, 1440}) {
    EXPECT_EQ(ParseSizeTwips(FormatTwips(twips), -1), twips) << twips;
  }
}

}  // namespace
}  // namespace zettrella
