// A new note's place and defaults, and the copy the duplicate command makes.
#include "notes/board/new_notes.h"

#include <gtest/gtest.h>

#include <limits>

namespace zettrella {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(MakeNewNote, CentredWithTheDefaults) {
  SystemSettings settings;
  settings.DefaultFontName = "Font";
  settings.DefaultFontSize = 11;
  const Note note = MakeNewNote(kTypeYellow, settings, 1024, 768);
  EXPECT_TRUE(note.InUse);
  EXPECT_EQ(note.ID, kNoObject);
  EXPECT_EQ(note.PosX, 412);
  EXPECT_EQ(note.PosY, 369);
  EXPECT_EQ(note.Width, 200);
  EXPECT_EQ(note.Type, kTypeYellow);
  EXPECT_EQ(note.FontName, "Font");
  EXPECT_EQ(note.FontSize, 11);
  EXPECT_EQ(note.Text, "");
  EXPECT_EQ(note.TextRed, 0);
  EXPECT_EQ(note.TextAster, 0);
  EXPECT_EQ(note.TextAsterNum, 1);
}

TEST(MakeNewNote, HalvesTruncateTowardZeroWithoutOverflow) {
  SystemSettings settings;
  settings.DefaultWidth = 201;
  settings.DefaultHeight = 31;
  Note note = MakeNewNote(kTypeCyan, settings, 1024, 768);
  EXPECT_EQ(note.PosX, 411);  // 823 / 2
  EXPECT_EQ(note.PosY, 368);  // 737 / 2
  settings.DefaultWidth = 1025;
  settings.DefaultHeight = 771;
  note = MakeNewNote(kTypeCyan, settings, 1024, 768);
  EXPECT_EQ(note.PosX, 0);   // -1 / 2
  EXPECT_EQ(note.PosY, -1);  // -3 / 2
  settings.DefaultWidth = kMin;
  settings.DefaultHeight = kMax;
  note = MakeNewNote(kTypeCyan, settings, kMax, kMin);
  EXPECT_EQ(note.PosX, kMax);      // (2^31 - 1 + 2^31) / 2 is above the range
  EXPECT_EQ(note.PosY, kMin + 1);  // (-2^31 - 2^31 + 1) / 2
}

TEST(MakeDuplicate, CopiesTheNoteFifteenPixelsFurther) {
  Note source;
  source.InUse = true;
  source.ID = 42;
  source.Priority = 9;
  source.PosX = 100;
  source.PosY = 50;
  source.Width = 321;
  source.Type = kTypeMagenta;
  source.FontName = "Face";
  source.FontSize = 14;
  source.Text = "line\r\nhttp://a.example";
  source.TextRed = 1;
  source.TextAster = 1;
  source.TextAsterNum = 3;
  const Note copy = MakeDuplicate(source);
  EXPECT_TRUE(copy.InUse);
  EXPECT_EQ(copy.ID, kNoObject);
  EXPECT_EQ(copy.PosX, 115);
  EXPECT_EQ(copy.PosY, 65);
  EXPECT_EQ(copy.Width, 321);
  EXPECT_EQ(copy.Type, kTypeMagenta);
  EXPECT_EQ(copy.FontName, "Face");
  EXPECT_EQ(copy.FontSize, 14);
  EXPECT_EQ(copy.Text, source.Text);
  EXPECT_EQ(copy.TextRed, 1);
  EXPECT_EQ(copy.TextAster, 1);
  EXPECT_EQ(copy.TextAsterNum, 3);
}

TEST(MakeDuplicate, PositionStopsAtTheLargestValue) {
  Note source;
  source.PosX = kMax - 10;
  source.PosY = kMax;
  Note copy = MakeDuplicate(source);
  EXPECT_EQ(copy.PosX, kMax);
  EXPECT_EQ(copy.PosY, kMax);
  source.PosX = kMin;
  source.PosY = -15;
  copy = MakeDuplicate(source);
  EXPECT_EQ(copy.PosX, kMin + 15);
  EXPECT_EQ(copy.PosY, 0);
}

}  // namespace
}  // namespace zettrella
