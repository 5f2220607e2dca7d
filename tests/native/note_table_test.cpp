// The note table's priority ranking and slot search.
#include "notes/model/note_table.h"

#include <gtest/gtest.h>

namespace zettrella {
namespace {

TEST(NoteTable, PrioritiesBecomeADenseRanking) {
  NoteTable table;
  const int32_t stored[] = {5, 9, 9, 12, 7};
  for (int i = 0; i < 5; ++i) {
    table[i].inUse = true;
    table[i].priority = stored[i];
  }
  table[5].priority = -100;  // an empty slot takes no part
  table.NormalisePriorities();
  const int32_t expected[] = {0, 2, 2, 3, 1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table[i].priority, expected[i]) << i;
  EXPECT_EQ(table[5].priority, -100);
  EXPECT_EQ(table.nextPriority, 4);
}

TEST(NoteTable, RankingSurvivesThe32BitExtremes) {
  NoteTable table;
  table[0].inUse = table[1].inUse = table[2].inUse = true;
  table[0].priority = INT32_MAX;
  table[1].priority = INT32_MIN;
  table[2].priority = 0;
  table.NormalisePriorities();
  EXPECT_EQ(table[0].priority, 2);
  EXPECT_EQ(table[1].priority, 0);
  EXPECT_EQ(table[2].priority, 1);
  EXPECT_EQ(table.nextPriority, 3);
}

TEST(NoteTable, EqualAndSinglePriorities) {
  NoteTable table;
  table[3].inUse = table[8].inUse = true;
  table[3].priority = table[8].priority = 3;
  table.NormalisePriorities();
  EXPECT_EQ(table[3].priority, 0);
  EXPECT_EQ(table[8].priority, 0);
  EXPECT_EQ(table.nextPriority, 1);

  NoteTable single;
  single[0].inUse = true;
  single[0].priority = 40;
  single.NormalisePriorities();
  EXPECT_EQ(single[0].priority, 0);
  EXPECT_EQ(single.TakeNextPriority(), 1);
  EXPECT_EQ(single.nextPriority, 2);
}

TEST(NoteTable, FindSlotAndFirstEmptySlot) {
  NoteTable table;
  EXPECT_EQ(table.FindSlot(-1), kNoSlot);
  table[2].inUse = true;
  table[2].id = 7;
  table[5].inUse = true;
  table[5].id = 7;
  table[0].id = 9;  // not in use: never found
  EXPECT_EQ(table.FindSlot(7), 2);
  EXPECT_EQ(table.FindSlot(9), kNoSlot);
  EXPECT_EQ(table.FirstEmptySlot(), 0);
  for (int i = 0; i < kSlotCount; ++i) table[i].inUse = true;
  EXPECT_EQ(table.FirstEmptySlot(), kNoSlot);
}

}  // namespace
}  // namespace zettrella
