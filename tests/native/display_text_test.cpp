// What a card shows of a note's text: addresses without their "h" hidden,
// masking from a given character, and trailing blanks dropped, never
// splitting a two-byte character.
#include "notes/card/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zettrella {
namespace {

std::string Shown(std::string_view text) { return MakeDisplayText(text, false, 1); }
std::string Masked(std::string_view text, int32_t from) { return MakeDisplayText(text, true, from); }

TEST(DisplayTextAddresses, AddressWithoutItsHIsDroppedWithTheBlankAfterIt) {
  EXPECT_EQ(Shown("see ttp://example.jp/a?b=1 next"), "see next");
  EXPECT_EQ(Shown("see ttps://example.jp next"), "see next");
  EXPECT_EQ(Shown("see http://example.jp next"), "see http://example.jp next");
  EXPECT_EQ(Shown("see https://example.jp next"), "see https://example.jp next");
}

TEST(DisplayTextAddresses, HiddenAddressTakesTheLineBreaksAfterIt) {
  EXPECT_EQ(Shown("ttp://a.jp\r\n\r\n \tnext\r\nlast"), "next\r\nlast");
  // At the end of the text nothing is left of the line.
  EXPECT_EQ(Shown("first\r\nttp://a.jp"), "first");
}

TEST(DisplayTextAddresses, TwoByteCharacterEndsTheAddressAndStaysVisible) {
  // "表" has the backslash byte as its second byte.
  EXPECT_EQ(Shown("ttp://example.jpあ表"), "あ表");
  EXPECT_EQ(Shown("http://example.jpあ"), "http://example.jpあ");
}

TEST(DisplayTextAddresses, SecondByteOfATwoByteCharacterStartsNoAddress) {
  // 0x82 0x74 is one character whose second byte is "t": what follows is
  // "tp://", which is no address.
  const std::string text = "\x82ttp://x.jp";
  EXPECT_EQ(Shown(text), text);
}

TEST(DisplayTextAddresses, OnlyTheFirstTenAddressesAreLookedAt) {
  std::string text;
  for (int i = 0; i < 11; ++i) text += "ttp://a" + std::to_string(i) + " ";
  EXPECT_EQ(Shown(text), "ttp://a10");
  // Kept addresses count as well: ten "http" then one "ttp" stays written.
  std::string mixed;
  for (int i = 0; i < 10; ++i) mixed += "http://h" + std::to_string(i) + " ";
  mixed += "ttp://t";
  EXPECT_EQ(Shown(mixed), mixed);
}

TEST(DisplayTextAddresses, ByteOneAlreadyInTheTextHidesLikeAMark) { EXPECT_EQ(Shown("a\x01  \r\nb"), "ab"); }

TEST(DisplayTextMask, MasksFromTheGivenCharacter) {
  EXPECT_EQ(Masked("abcdef", 4), "abc***");
  EXPECT_EQ(Masked("abcdef", 1), "******");
  EXPECT_EQ(Masked("abcdef", 100), "abcdef");
  // Unmasked when the switch is off, whatever the position.
  EXPECT_EQ(MakeDisplayText("abcdef", false, 1), "abcdef");
}

TEST(DisplayTextMask, LineBreaksAreKeptAndNotCounted) {
  EXPECT_EQ(Masked("ab\r\ncd", 1), "**\r\n**");
  EXPECT_EQ(Masked("ab\r\ncd", 3), "ab\r\n**");
}

TEST(DisplayTextMask, TwoByteCharacterBecomesOneStar) { EXPECT_EQ(Masked("あいう", 2), "あ**"); }

TEST(DisplayTextMask, BytesDroppedWithAHiddenAddressCount) {
  // "ttp://a" and the space are 8 positions, so "b" is position 9.
  EXPECT_EQ(Masked("ttp://a bc", 9), "**");
  EXPECT_EQ(Masked("ttp://a bc", 10), "b*");
}

TEST(DisplayTextTrim, TrailingBlanksAndLineBreaksAreDropped) {
  EXPECT_EQ(Shown("abc \t\r\n\r\n"), "abc");
  EXPECT_EQ(Shown("  abc"), "  abc");
  EXPECT_EQ(Shown(" \t\r\n \r\n"), "");
  EXPECT_EQ(Shown(""), "");
}

TEST(DisplayText, LeadByteAtTheEndIsACharacterOfItsOwn) {
  EXPECT_EQ(Shown("a\x82"), "a\x82");
  EXPECT_EQ(Masked("a\x82", 2), "a*");
  EXPECT_EQ(Shown("ttp://a\x82"), "\x82");
}

}  // namespace
}  // namespace zettrella
