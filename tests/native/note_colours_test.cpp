// The card and text colours of each note colour, red text and an unknown
// colour included.
#include "notes/card/note_colours.h"

#include <gtest/gtest.h>

namespace zettrella {
namespace {

TEST(NoteColours, EachTypeHasItsCardAndDarkerText) {
  struct Case {
    int32_t type, background, text;
  };
  for (const Case c : {Case{0, 0x7FFFFF, 0x008080}, Case{1, 0xFF7FFF, 0x800080}, Case{2, 0xFFFF7F, 0x808000}}) {
    SCOPED_TRACE(c.type);
    const NoteColours colours = ColoursFor(c.type, 0);
    EXPECT_EQ(colours.background, c.background);
    EXPECT_EQ(colours.text, c.text);
    EXPECT_EQ(colours.line, 0x000000);
  }
}

TEST(NoteColours, RedTextOnEveryCard) {
  for (int32_t type : {0, 1, 2, 3, -1}) {
    SCOPED_TRACE(type);
    const NoteColours colours = ColoursFor(type, 1);
    EXPECT_EQ(colours.text, 0xFF0000);
    EXPECT_EQ(colours.background, ColoursFor(type, 0).background);
  }
  // Any non-zero switch means red.
  EXPECT_EQ(ColoursFor(0, 7).text, 0xFF0000);
}

TEST(NoteColours, UnknownTypeIsABlackCardWithReadableText) {
  for (int32_t type : {3, -1, 1000, INT32_MIN, INT32_MAX}) {
    SCOPED_TRACE(type);
    const NoteColours colours = ColoursFor(type, 0);
    EXPECT_EQ(colours.background, 0x000000);
    EXPECT_EQ(colours.text, 0xFFFFFF);
    EXPECT_EQ(colours.line, 0x000000);
  }
}

}  // namespace
}  // namespace zettrella
