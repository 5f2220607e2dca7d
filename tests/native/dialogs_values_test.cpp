// The edit dialog's text conversions, the name picker's list rules and the
// placement of the dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "notes/dialogs/edit_values.h"
#include "notes/dialogs/font_list.h"
#include "notes/dialogs/placement_rules.h"

namespace zettrella {
namespace {

TEST(TextForEditBoxTest, AddsALineBreakAfterTextsLongerThanTwoBytes) {
  EXPECT_EQ(TextForEditBox("abc"), "abc\r\n");
  EXPECT_EQ(TextForEditBox("ab"), "ab");
  EXPECT_EQ(TextForEditBox(""), "");
  EXPECT_EQ(TextForEditBox("a\r\n"), "a\r\n");
  EXPECT_EQ(TextForEditBox("ab\r\n"), "ab\r\n");
  // Only the next-to-last byte is looked at.
  EXPECT_EQ(TextForEditBox("ab\r"), "ab\r\r\n");
}

TEST(TextFromEditBoxTest, RemovesTrailingLineBreaksOnly) {
  EXPECT_EQ(TextFromEditBox("abc\r\n\r\n\r\n"), "abc");
  EXPECT_EQ(TextFromEditBox("\r\n\r\n"), "");
  EXPECT_EQ(TextFromEditBox("a\r\nb\r\n"), "a\r\nb");
  EXPECT_EQ(TextFromEditBox("a\n\r"), "a");
  EXPECT_EQ(TextFromEditBox("abc "), "abc ");
  EXPECT_EQ(TextFromEditBox(TextForEditBox("abc")), "abc");
}

TEST(TextFromEditBoxTest, KeepsTheFirst1024Bytes) {
  std::string text;
  for (int i = 0; i < 1500; ++i) text += static_cast<char>('a' + i % 26);
  EXPECT_EQ(TextFromEditBox(text), text.substr(0, 1024));
  // Line breaks that end up at the end of the cut go as well.
  std::string breaks = std::string(1020, 'x') + "\r\n\r\n" + "tail";
  EXPECT_EQ(TextFromEditBox(breaks), std::string(1020, 'x'));
}

TEST(TextFromEditBoxTest, CutDropsTheFirstByteOfASplitTwoByteCharacter) {
  const std::string kana = "\x82\xa0";  // a two-byte character
  std::string text = std::string(1023, 'x') + kana + "yz";
  EXPECT_EQ(TextFromEditBox(text), std::string(1023, 'x'));
  // A character that ends exactly at byte 1024 stays whole.
  text = std::string(1022, 'x') + kana + "yz";
  EXPECT_EQ(TextFromEditBox(text), std::string(1022, 'x') + kana);
  // A trail byte that looks like a line feed does not exist, but a trail byte
  // "\" (0x5C) must not be mistaken for anything either.
  const std::string so = "\x83\x5c";
  text = so + std::string(1100, 'x');
  EXPECT_EQ(TextFromEditBox(text), so + std::string(1022, 'x'));
}

TEST(IsListedFontTest, FiltersRasterMacAndVerticalFaces) {
  EXPECT_TRUE(IsListedFont(false, 128, true, "IPAGothic"));
  EXPECT_FALSE(IsListedFont(true, 128, true, "System"));
  EXPECT_FALSE(IsListedFont(false, kMacCharset, false, "Osaka"));
  EXPECT_FALSE(IsListedFont(false, 128, true, "@IPAGothic"));
  EXPECT_TRUE(IsListedFont(false, 128, false, "@IPAGothic"));
  EXPECT_TRUE(IsListedFont(false, 0, true, ""));
}

TEST(ListedNamesTest, AddsTheScriptOnlyToFacesReportedMoreThanOnce) {
  FontRecord once{"Once", "Japanese", 128, 0, kFontKindTrueType};
  FontRecord twiceA{"Twice", "Western", 0, 0, kFontKindTrueType};
  FontRecord twiceB{"Twice", "Japanese", 128, 0, kFontKindTrueType};
  FontRecord plainA{"Plain", "", 0, 0, 0};
  FontRecord plainB{"Plain", "", 1, 0, 0};
  const std::vector<std::string> names = ListedNames({&twiceA, &once, &plainA, &twiceB, &plainB});
  EXPECT_EQ(names, (std::vector<std::string>{"Twice (Western)", "Once", "Plain", "Twice (Japanese)", "Plain"}));
  EXPECT_TRUE(ListedNames({}).empty());
}

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
