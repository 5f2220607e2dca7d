// Decimal numbers read as atol reads them, saturated to 32 bits.
#include "common/decimal.h"

#include <gtest/gtest.h>

namespace zettrella {
namespace {

TEST(ParseDecimal, ReadsLikeAtol) {
  EXPECT_EQ(ParseDecimal("42"), 42);
  EXPECT_EQ(ParseDecimal("  \t-17xyz"), -17);
  EXPECT_EQ(ParseDecimal("+8"), 8);
  EXPECT_EQ(ParseDecimal(""), 0);
  EXPECT_EQ(ParseDecimal("abc"), 0);
  EXPECT_EQ(ParseDecimal("-"), 0);
  EXPECT_EQ(ParseDecimal("- 5"), 0);
  EXPECT_EQ(ParseDecimal("12 34"), 12);
  EXPECT_EQ(ParseDecimal("0x1F"), 0);
}

TEST(ParseDecimal, SaturatesOutsideThe32BitRange) {
  EXPECT_EQ(ParseDecimal("2147483647"), 2147483647);
  EXPECT_EQ(ParseDecimal("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseDecimal("2147483648"), INT32_MAX);
  EXPECT_EQ(ParseDecimal("-2147483649"), INT32_MIN);
  EXPECT_EQ(ParseDecimal("99999999999999999999999999999"), INT32_MAX);
  EXPECT_EQ(ParseDecimal("-99999999999999999999999999999"), INT32_MIN);
}

}  // namespace
}  // namespace zettrella
