// Where the dialogs are placed: at a note's position, or centred.
#include "notes/dialogs/placement_rules.h"

#include <gtest/gtest.h>

namespace zettrella {
namespace {

TEST(PlaceAtNotePositionTest, NegativePositionsBecomeZero) {
  const ScreenRect desktop{0, 0, 1024, 768};
  const ScreenPoint at = PlaceAtNotePosition(-20, 10, 300, 200, desktop);
  EXPECT_EQ(at.x, 0);
  EXPECT_EQ(at.y, 10);
}

TEST(PlaceAtNotePositionTest, EndsAtTheRightAndBottomEdges) {
  const ScreenRect desktop{0, 0, 1024, 768};
  ScreenPoint at = PlaceAtNotePosition(1000, 700, 300, 200, desktop);
  EXPECT_EQ(at.x, 724);
  EXPECT_EQ(at.y, 568);
  at = PlaceAtNotePosition(724, 568, 300, 200, desktop);  // just fits
  EXPECT_EQ(at.x, 724);
  EXPECT_EQ(at.y, 568);
  // Larger than the desktop: the left and top edges are not tested again.
  at = PlaceAtNotePosition(5, 5, 2000, 1000, desktop);
  EXPECT_EQ(at.x, -976);
  EXPECT_EQ(at.y, -232);
}

TEST(PlaceAtNotePositionTest, ExtremePositionsDoNotOverflow) {
  const ScreenRect desktop{0, 0, 1024, 768};
  const ScreenPoint at = PlaceAtNotePosition(2147483647, -2147483647 - 1, 300, 200, desktop);
  EXPECT_EQ(at.x, 724);
  EXPECT_EQ(at.y, 0);
}

TEST(CenterPositionTest, CentresOnTheDesktopInsideTheWorkArea) {
  const ScreenRect desktop{0, 0, 1024, 768};
  ScreenPoint at = CenterPosition(301, 201, desktop, {0, 0, 1024, 740});
  EXPECT_EQ(at.x, 512 - 150);
  EXPECT_EQ(at.y, 384 - 100);
  // A work area that leaves the centre pushes the dialog inside it.
  at = CenterPosition(300, 200, desktop, {600, 0, 1024, 300});
  EXPECT_EQ(at.x, 600);
  EXPECT_EQ(at.y, 100);
  at = CenterPosition(300, 200, desktop, {0, 500, 500, 768});
  EXPECT_EQ(at.x, 200);
  EXPECT_EQ(at.y, 500);
  // Too large for the work area: the left and top edges win.
  at = CenterPosition(2000, 1000, desktop, {0, 0, 1024, 740});
  EXPECT_EQ(at.x, 0);
  EXPECT_EQ(at.y, 0);
}

}  // namespace
}  // namespace zettrella
