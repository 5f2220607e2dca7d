// Bringing stranded notes back onto a monitor, and the handle tables.
#include "vextal/handle_table.h"
#include "vextal/placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace vextal {
namespace {

// A primary monitor with a task bar at the bottom, and a second one to its
// right whose top is lower.
const std::vector<Monitor> kTwoMonitors = {
    {{0, 0, 1024, 768}, {0, 0, 1024, 728}},
    {{1024, 100, 2048, 868}, {1024, 100, 2048, 868}},
};

bool Same(Point a, Point b) { return a.x == b.x && a.y == b.y; }

TEST(Placement, ObjectsOnAnyMonitorStayExactlyWhereTheyAre) {
  const Point spots[] = {{10, 10}, {1500, 500}, {-150, 300}, {1000, 760}, {2047, 867}};
  for (Point p : spots) {
    EXPECT_TRUE(Same(ReachablePosition(p, 200, 50, kTwoMonitors), p)) << p.x << "," << p.y;
  }
  // Overlapping by one pixel is enough.
  EXPECT_TRUE(Same(ReachablePosition({-199, 0}, 200, 50, kTwoMonitors), Point{-199, 0}));
}

TEST(Placement, StrandedObjectsComeToTheNearestWorkArea) {
  // Left of the primary monitor: moved right just far enough to be whole.
  EXPECT_TRUE(Same(ReachablePosition({-500, 300}, 200, 50, kTwoMonitors), Point{0, 300}));
  // Below everything near the left: onto the primary work area, above the task bar.
  EXPECT_TRUE(Same(ReachablePosition({100, 1000}, 200, 50, kTwoMonitors), Point{100, 678}));
  // Above the second monitor, in the gap over its lower top.
  EXPECT_TRUE(Same(ReachablePosition({1500, 0}, 200, 50, kTwoMonitors), Point{1500, 100}));
  // Far right: onto the second monitor.
  EXPECT_TRUE(Same(ReachablePosition({9000, 400}, 200, 50, kTwoMonitors), Point{1848, 400}));
  // A point without a size is treated as one pixel.
  EXPECT_TRUE(Same(ReachablePosition({-5, -5}, 0, 0, kTwoMonitors), Point{0, 0}));
}

TEST(Placement, ObjectsLargerThanTheWorkAreaAlignWithItsTopLeft) {
  EXPECT_TRUE(Same(ReachablePosition({-3000, -3000}, 3000, 3000, kTwoMonitors), Point{0, 0}));
}

TEST(Placement, ExtremeCoordinatesAndNoMonitors) {
  EXPECT_TRUE(Same(ReachablePosition({INT_MAX, INT_MIN}, INT_MAX, INT_MAX, kTwoMonitors), Point{1024, 100}));
  EXPECT_TRUE(Same(ReachablePosition({INT_MIN, INT_MAX}, 10, 10, kTwoMonitors), Point{0, 718}));
  EXPECT_TRUE(Same(ReachablePosition({-5000, 7}, 10, 10, {}), Point{-5000, 7}));
}

TEST(HandleTable, HandlesAreNeverGivenOutTwice) {
  HandleTable<std::unique_ptr<int>> table;
  const int32_t a = table.Add(std::make_unique<int>(1));
  const int32_t b = table.Add(std::make_unique<int>(2));
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_TRUE(table.Remove(a));
  EXPECT_FALSE(table.Remove(a));
  EXPECT_EQ(table.Find(a), nullptr);
  EXPECT_EQ(table.Add(std::make_unique<int>(3)), 3);
  ASSERT_NE(table.Find(b), nullptr);
  EXPECT_EQ(**table.Find(b), 2);
  std::unique_ptr<int> taken;
  EXPECT_TRUE(table.Take(b, taken));
  EXPECT_EQ(*taken, 2);
  EXPECT_EQ(table.Size(), 1u);
  EXPECT_EQ(table.Find(0), nullptr);
  EXPECT_EQ(table.Find(-1), nullptr);

  HandleTable<int> later(40);
  EXPECT_EQ(later.Add(5), 40);
  EXPECT_EQ(later.NextHandle(), 41);
}

TEST(HandleTable, CompanionValuesDifferFromHandleToHandle) {
  EXPECT_NE(CompanionOf(1), CompanionOf(2));
  EXPECT_NE(CompanionOf(1), 0);
  EXPECT_NE(CompanionOf(1), 1);
}

}  // namespace
}  // namespace vextal
