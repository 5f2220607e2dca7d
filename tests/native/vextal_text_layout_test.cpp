// Word wrap of code page 932 text against a fixed-width fake font.
#include "vextal/text_layout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vextal {
namespace {

// ASCII and half-width katakana 10 pixels, double-byte characters 20,
// tab stops every 40.
class FakeFont : public Measurer {
 public:
  void MeasureChars(std::string_view, const std::vector<CharSpan>& chars, std::vector<int>& widths) override {
    ++calls;
    for (size_t k = 0; k < chars.size(); ++k) widths[k] = chars[k].len == 2 ? 20 : 10;
  }
  int TabStop() override { return 40; }
  int calls = 0;
};

std::string Wrap(std::string_view text, int width) {
  FakeFont font;
  return JoinLines(text, LayOutText(text, width, font));
}

TEST(WordWrap, KeepsLineBreaksAndWritesThemAsCrLf) {
  EXPECT_EQ(Wrap("ab\r\ncd\nef\rgh", 1000), "ab\r\ncd\r\nef\r\ngh");
  EXPECT_EQ(Wrap("a\r\n\r\nb", 1000), "a\r\n\r\nb");
  EXPECT_EQ(Wrap("a\r\n", 1000), "a\r\n");
  EXPECT_EQ(Wrap("\r\n", 1000), "\r\n");
}

TEST(WordWrap, BreaksSingleByteWordsAtBlanksAndDropsTheBlankThere) {
  EXPECT_EQ(Wrap("hello world foo", 100), "hello\r\nworld foo");
  EXPECT_EQ(Wrap("hello\tworld", 80), "hello\r\nworld");
  // Several blanks at the break all go; blanks inside a line stay.
  EXPECT_EQ(Wrap("ab   cd ef", 60), "ab\r\ncd ef");
  // Indentation that fits is kept.
  EXPECT_EQ(Wrap("  ab cd", 50), "  ab\r\ncd");
}

TEST(WordWrap, BreaksAWordWiderThanTheLineInside) {
  EXPECT_EQ(Wrap("abcdefghij", 35), "abc\r\ndef\r\nghi\r\nj");
  EXPECT_EQ(Wrap("x abcdefgh", 40), "x\r\nabcd\r\nefgh");
}

TEST(WordWrap, BreaksJapaneseBetweenAnyTwoCharacters) {
  EXPECT_EQ(Wrap("あいうえお", 45), "あい\r\nうえ\r\nお");
  // Between a single-byte word and Japanese text as well.
  EXPECT_EQ(Wrap("Windows版です", 80), "Windows\r\n版です");
  // Half-width katakana count as Japanese.
  EXPECT_EQ(Wrap("ｱｲｳｴｵ", 30), "ｱｲｳ\r\nｴｵ");
}

TEST(WordWrap, NoLineStartsWithClosingPunctuation) {
  // "。" may not start a line, so "い" goes down with it.
  EXPECT_EQ(Wrap("あい。う", 40), "あ\r\nい。\r\nう");
  EXPECT_EQ(Wrap("あい」う", 40), "あ\r\nい」\r\nう");
  EXPECT_EQ(Wrap("あいっう", 40), "あ\r\nいっ\r\nう");
  EXPECT_EQ(Wrap("あいー", 40), "あ\r\nいー");
  EXPECT_EQ(Wrap("ｱｲ｡", 20), "ｱ\r\nｲ｡");
  EXPECT_EQ(Wrap("あい、", 40), "あ\r\nい、");
}

TEST(WordWrap, NoLineEndsWithAnOpeningBracket) {
  EXPECT_EQ(Wrap("あ「い", 40), "あ\r\n「い");
  EXPECT_EQ(Wrap("あ（い", 40), "あ\r\n（い");
  // A forced break inside a long word also avoids a line starting with "."
  EXPECT_EQ(Wrap("abcd.ef", 40), "abc\r\nd.ef");
}

TEST(WordWrap, ACharacterWiderThanTheLineGetsALineOfItsOwn) {
  EXPECT_EQ(Wrap("あいう", 15), "あ\r\nい\r\nう");
  EXPECT_EQ(Wrap("   あ", 15), "あ");
}

TEST(WordWrap, TabsAdvanceToTheNextStop) {
  FakeFont font;
  const std::string text = "a\tb";
  const TextLayout layout = LayOutText(text, 1000, font);
  ASSERT_EQ(layout.lines.size(), 1u);
  EXPECT_EQ(layout.advances[1], 30);
  EXPECT_EQ(layout.lines[0].width, 50);
  // After a break the tab is measured from the start of its new line.
  const std::string two = "abcdef a\tb";
  const TextLayout wrapped = LayOutText(two, 60, font);
  ASSERT_EQ(wrapped.lines.size(), 2u);
  EXPECT_EQ(wrapped.lines[1].width, 50);
}

TEST(WordWrap, NoWidthOrNoTextNeverLoops) {
  EXPECT_EQ(Wrap("あいう abc", 0), "あいう abc");
  EXPECT_EQ(Wrap("a\nb", -5), "a\r\nb");
  EXPECT_EQ(Wrap("", 100), "");
  FakeFont font;
  EXPECT_TRUE(LayOutText("", 100, font).lines.empty());
  EXPECT_EQ(font.calls, 0);
}

TEST(WordWrap, ALeadByteAtTheEndStandsAlone) {
  const std::string text = "ab\x82";
  const std::vector<CharSpan> chars = SplitChars(text);
  ASSERT_EQ(chars.size(), 3u);
  EXPECT_EQ(chars[2].len, 1u);
  EXPECT_EQ(Wrap(text, 20), "ab\r\n\x82");
}

// Random mixed texts: no line is wider than the width, no double-byte
// character is cut, and nothing but blanks at breaks is lost or reordered.
TEST(WordWrap, RandomMixedTextsKeepEveryRule) {
  std::mt19937 rng(1234);
  // Double-byte characters whose trail bytes look like ASCII ("ソ" ends in
  // a backslash, "ア" in "A"), kana, brackets and punctuation.
  const std::vector<std::string> pieces = {"a",  "b",  "Z",  " ",  " ",  "\t", ".",  "(",  ")",  "ｱ",  "｡",  "\r\n",
                                           "ソ", "表", "ア", "あ", "「", "」", "。", "、", "ー", "っ", "漢", "字"};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int n = 1 + static_cast<int>(rng() % 60);
    for (int i = 0; i < n; ++i) text += pieces[rng() % pieces.size()];
    const int width = 20 + static_cast<int>(rng() % 200);

    FakeFont font;
    const TextLayout layout = LayOutText(text, width, font);
    for (const TextLayout::Line& line : layout.lines) {
      EXPECT_LE(line.width, width) << text;
    }
    const std::string out = JoinLines(text, layout);
    for (const CharSpan& c : SplitChars(out)) {
      ASSERT_FALSE(c.len == 2 && (out[c.start + 1] == '\r' || out[c.start + 1] == '\n'))
          << "split character in: " << out;
    }
    auto ink = [](const std::string& s) {
      std::string r;
      for (char ch : s) {
        if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n') r += ch;
      }
      return r;
    };
    EXPECT_EQ(ink(out), ink(text));
    // Wrapping wrapped text again changes nothing.
    EXPECT_EQ(Wrap(out, width), out);
  }
}

}  // namespace
}  // namespace vextal
