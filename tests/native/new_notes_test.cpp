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
  settings.defaultFontName = "Font";
  settings.defaultFontSize = 11;
  const Note note = MakeNewNote(kTypeYellow, settings, 1024, 768);
  EXPECT_TRUE(note.inUse);
  EXPECT_EQ(note.id, kNoObject);
  EXPECT_EQ(note.posX, 412);
  EXPECT_EQ(note.posY, 369);
  EXPECT_EQ(note.width, 200);
  EXPECT_EQ(note.type, kTypeYellow);
  EXPECT_EQ(note.fontName, "Font");
  EXPECT_EQ(note.fontSize, 11);
  EXPECT_EQ(note.text, "");
  EXPECT_FALSE(note.textRed);
  EXPECT_FALSE(note.mask);
  EXPECT_EQ(note.maskFrom, 1);
}

TEST(MakeNewNote, HalvesTruncateTowardZeroWithoutOverflow) {
  SystemSettings settings;
  settings.defaultWidth = 201;
  settings.defaultHeight = 31;
  Note note = MakeNewNote(kTypeCyan, settings, 1024, 768);
  EXPECT_EQ(note.posX, 411);  // 823 / 2
  EXPECT_EQ(note.posY, 368);  // 737 / 2
  settings.defaultWidth = 1025;
  settings.defaultHeight = 771;
  note = MakeNewNote(kTypeCyan, settings, 1024, 768);
  EXPECT_EQ(note.posX, 0);   // -1 / 2
  EXPECT_EQ(note.posY, -1);  // -3 / 2
  settings.defaultWidth = kMin;
  settings.defaultHeight = kMax;
  note = MakeNewNote(kTypeCyan, settings, kMax, kMin);
  EXPECT_EQ(note.posX, kMax);      // (2^31 - 1 + 2^31) / 2 is above the range
  EXPECT_EQ(note.posY, kMin + 1);  // (-2^31 - 2^31 + 1) / 2
}

TEST(MakeDuplicate, CopiesTheNoteFifteenPixelsFurther) {
  Note source;
  source.inUse = true;
  source.id = 42;
  source.priority = 9;
  source.posX = 100;
  source.posY = 50;
  source.width = 321;
  source.type = kTypeMagenta;
  source.fontName = "Face";
  source.fontSize = 14;
  source.text = "line\r\nhttp://a.example";
  source.textRed = true;
  source.mask = true;
  source.maskFrom = 3;
  const Note copy = MakeDuplicate(source);
  EXPECT_TRUE(copy.inUse);
  EXPECT_EQ(copy.id, kNoObject);
  EXPECT_EQ(copy.posX, 115);
  EXPECT_EQ(copy.posY, 65);
  EXPECT_EQ(copy.width, 321);
  EXPECT_EQ(copy.type, kTypeMagenta);
  EXPECT_EQ(copy.fontName, "Face");
  EXPECT_EQ(copy.fontSize, 14);
  EXPECT_EQ(copy.text, source.text);
  EXPECT_TRUE(copy.textRed);
  EXPECT_TRUE(copy.mask);
  EXPECT_EQ(copy.maskFrom, 3);
}

TEST(MakeDuplicate, PositionStopsAtTheLargestValue) {
  Note source;
  source.posX = kMax - 10;
  source.posY = kMax;
  Note copy = MakeDuplicate(source);
  EXPECT_EQ(copy.posX, kMax);
  EXPECT_EQ(copy.posY, kMax);
  source.posX = kMin;
  source.posY = -15;
  copy = MakeDuplicate(source);
  EXPECT_EQ(copy.posX, kMin + 15);
  EXPECT_EQ(copy.posY, 0);
}

}  // namespace
}  // namespace zettrella
