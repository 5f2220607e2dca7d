// The note table's priority ranking and slot search.
#include "notes/model/note_table.h"

#include <gtest/gtest.h>

namespace zettrella {
namespace {

TEST(NoteTable, PrioritiesBecomeADenseRanking) {
  NoteTable table;
  const int32_t stored[] = {5, 9, 9, 12, 7};
  for (int i = 0; i < 5; ++i) {
    table[i].InUse = true;
    table[i].Priority = stored[i];
  }
  table[5].Priority = -100;  // an empty slot takes no part
  table.NormalisePriorities();
  const int32_t expected[] = {0, 2, 2, 3, 1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table[i].Priority, expected[i]) << i;
  EXPECT_EQ(table[5].Priority, -100);
  EXPECT_EQ(table.NextPriority, 4);
}

TEST(NoteTable, RankingSurvivesThe32BitExtremes) {
  NoteTable table;
  table[0].InUse = table[1].InUse = table[2].InUse = true;
  table[0].Priority = INT32_MAX;
  table[1].Priority = INT32_MIN;
  table[2].Priority = 0;
  table.NormalisePriorities();
  EXPECT_EQ(table[0].Priority, 2);
  EXPECT_EQ(table[1].Priority, 0);
  EXPECT_EQ(table[2].Priority, 1);
  EXPECT_EQ(table.NextPriority, 3);
}

TEST(NoteTable, EqualAndSinglePriorities) {
  NoteTable table;
  table[3].InUse = table[8].InUse = true;
  table[3].Priority = table[8].Priority = 3;
  table.NormalisePriorities();
  EXPECT_EQ(table[3].Priority, 0);
  EXPECT_EQ(table[8].Priority, 0);
  EXPECT_EQ(table.NextPriority, 1);

  NoteTable single;
  single[0].InUse = true;
  single[0].Priority = 40;
  single.NormalisePriorities();
  EXPECT_EQ(single[0].Priority, 0);
  EXPECT_EQ(single.TakeNextPriority(), 1);
  EXPECT_EQ(single.NextPriority, 2);
}

TEST(NoteTable, FindSlotAndFirstEmptySlot) {
  NoteTable table;
  EXPECT_EQ(table.FindSlot(-1), kNoSlot);
  table[2].InUse = true;
  table[2].ID = 7;
  table[5].InUse = true;
  table[5].ID = 7;
  table[0].ID = 9;  // not in use: never found
  EXPECT_EQ(table.FindSlot(7), 2);
  EXPECT_EQ(table.FindSlot(9), kNoSlot);
  EXPECT_EQ(table.FirstEmptySlot(), 0);
  for (int i = 0; i < kSlotCount; ++i) table[i].InUse = true;
  EXPECT_EQ(table.FirstEmptySlot(), kNoSlot);
}

}  // namespace
}  // namespace zettrella
