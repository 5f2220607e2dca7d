// The edit dialog's text conversions between the note and the edit box.
#include "notes/dialogs/edit_values.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace zettrella
