// Cuts and searches in Shift-JIS text that never split a two-byte character.
#include "common/mbcs.h"

#include <gtest/gtest.h>

namespace zettrella {
namespace {

TEST(Mbcs, CutNeverSplitsACharacter) {
  EXPECT_EQ(CutAtCharBoundary("ab\x82\xA0", 3), "ab");
  EXPECT_EQ(CutAtCharBoundary("ab\x82\xA0", 4), "ab\x82\xA0");
  EXPECT_EQ(CutAtCharBoundary("abc", 0), "");
  // A lead byte that ends the text is a character of its own.
  EXPECT_EQ(CutAtCharBoundary("ab\x82", 3), "ab\x82");
  EXPECT_EQ(FindLastChar("a\\b\x95\x5C", '\\'), 1u);
}

}  // namespace
}  // namespace zettrella
