// Fonts, word wrap and text drawing with real GDI fonts under Wine.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/win_test_support.h"
#include "tests/vextal/vextal_client.h"
#include "vextal/text_layout.h"

namespace vextal::testing {
namespace {

using zettrella::testing::PumpUntil;

const std::string kFace = "ＭＳ Ｐゴシック";

// About 1 KB of the kind of text notes hold.
std::string MixedText() {
  std::string s;
  for (int i = 0; i < 8; ++i) {
    s += "会議は「来週の月曜日」に変更になりました。資料(draft v2)を確認してください、"
         "よろしくお願いします。 See http://example.com/agenda?id=42 for details.\r\n";
  }
  return s;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

class Text : public LoadedLibrary {
 protected:
  int32_t Font(std::string_view face, int32_t points) {
    return vx._create_font(NewBlock(face), static_cast<int32_t>(face.size()), points);
  }
  int32_t Measure(std::string_view text, int32_t font, int32_t width = 400) {
    Rect r{5, 6, 5 + width, 0};
    vx._draw_text(0, NewBlock(text), static_cast<int32_t>(text.size()), font, 0, &r, kMeasureOnly);
    return r.bottom;
  }
};

// The width of a line in the same font, measured by GDI on its own.
int GdiWidth(const std::string& face, int points, const std::string& line) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontA(-MulDiv(points, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  std::string ink = line;
  while (!ink.empty() && (ink.back() == ' ' || ink.back() == '\t')) ink.pop_back();
  SIZE size{};
  GetTextExtentPoint32A(dc, ink.data(), static_cast<int>(ink.size()), &size);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(font);
  return size.cx;
}

TEST_F(Text, WrappedLinesFitTheWidthAndKeepEveryCharacterWhole) {
  const int32_t font = Font(kFace, 12);
  ASSERT_NE(font, 0);
  const std::string text = MixedText();
  for (int width : {40, 90, 150, 290}) {
    const std::string wrapped = WordWrap(vx, text, font, width);
    ASSERT_FALSE(wrapped.empty());
    for (const std::string& line : Lines(wrapped)) {
      EXPECT_LE(GdiWidth(kFace, 12, line), width) << line;
    }
    for (const CharSpan& c : SplitChars(wrapped)) {
      ASSERT_FALSE(c.len == 2 && (wrapped[c.start + 1] == '\r' || wrapped[c.start + 1] == '\n'))
          << "a double-byte character was split at width " << width;
    }
    EXPECT_EQ(wrapped.find("\r\n。"), std::string::npos);
    EXPECT_EQ(wrapped.find("「\r\n"), std::string::npos);
  }
  vx._delete_font(font);
}

// Extension characters (髙 FB FC, 﨑 FA B1) are measured and kept whole.
TEST_F(Text, ExtensionCharactersWrapWhole) {
  const int32_t font = Font(kFace, 12);
  const std::string wrapped = WordWrap(vx, "\xFB\xFC\xFA\xB1\xFB\xFC", font, GdiWidth(kFace, 12, "\xFB\xFC") + 1);
  EXPECT_EQ(wrapped, "\xFB\xFC\r\n\xFA\xB1\r\n\xFB\xFC");
  vx._delete_font(font);
}

TEST_F(Text, WrapHandsBackAGlobalBlockOrNothing) {
  const int32_t font = Font(kFace, 10);
  int32_t len = -1;
  char* out = vx._word_wrap(NewBlock("abc\r\ndef"), 8, font, 300, &len);
  ASSERT_EQ(len, 8);
  ASSERT_NE(out, nullptr);
  EXPECT_GE(GlobalSize(out), 8u);
  EXPECT_EQ(std::string(out, 8), "abc\r\ndef");
  EXPECT_EQ(GlobalFree(out), nullptr);

  len = -1;
  EXPECT_EQ(vx._word_wrap(nullptr, 0, font, 300, &len), nullptr);
  EXPECT_EQ(len, 0);
  len = -1;
  EXPECT_EQ(vx._word_wrap(nullptr, 50, font, 300, &len), nullptr);  // no block, a length
  EXPECT_EQ(len, 0);
  // Width 0 or less: the text is left as it is, never looped over.
  EXPECT_EQ(WordWrap(vx, "あいう えお", font, 0), "あいう えお");
  EXPECT_EQ(WordWrap(vx, "あいう えお", font, -10), "あいう えお");
  // No font: the stock font measures.
  EXPECT_FALSE(WordWrap(vx, "abc def", 0, 20).empty());
}

TEST_F(Text, AnUnknownFaceFallsBackToARealFont) {
  const int32_t known = Font(kFace, 12);
  const int32_t unknown = Font("存在しない書体XYZ", 12);
  const int32_t nameless = Font("", 12);
  ASSERT_NE(unknown, 0);
  ASSERT_NE(nameless, 0);
  const int32_t lineHeight = Measure("あ", known) - 6;
  EXPECT_GT(lineHeight, 10);
  EXPECT_GT(Measure("あ", unknown) - 6, 10);
  EXPECT_GT(Measure("あ", nameless) - 6, 10);
  EXPECT_NE(WordWrap(vx, "あいうえお", unknown, 40).find("\r\n"), std::string::npos);
}

TEST_F(Text, MeasuredHeightGrowsWithLinesAndPoints) {
  const int32_t small = Font(kFace, 9);
  const int32_t large = Font(kFace, 24);
  const int32_t one = Measure("x", small) - 6;
  EXPECT_EQ(Measure("a\r\nb\r\nc", small) - 6, 3 * one);
  EXPECT_EQ(Measure("", small), 6);  // no text, no lines
  EXPECT_GT(Measure("x", large) - 6, 2 * one);
  // Measuring wraps at the rectangle's width just as the text was wrapped.
  const std::string text = MixedText();
  const std::string wrapped = WordWrap(vx, text, small, 150);
  EXPECT_EQ(Measure(text, small, 150), Measure(wrapped, small, 150));
  EXPECT_EQ(Measure(wrapped, small, 150) - 6, one * static_cast<int32_t>(Lines(wrapped).size()));
}

TEST_F(Text, DrawnTextEndsWithinItsMeasuredLastLine) {
  vx._floating(1);
  const std::string text = "gjpy 下の行まで\r\n二行目 gjpy\r\nqgjy 最後の行 gjpy";
  const Card card = BuildCard(vx, 50, 300, 260, 1, text, 0xFFFFFF, 0x0000FF, kFace, 12);
  const int32_t lineHeight = Measure("x", Font(kFace, 12)) - 6;
  ScreenShot shot;
  const RECT area{50, 300, 310, 300 + card.height};
  ASSERT_TRUE(PumpUntil([&] {
    shot = CaptureScreen(area);
    return shot.At(0, 0) == 0 && shot.At(0, card.height - 1) == 0xFFFFFF;
  }));
  int firstInk = -1, lastInk = -1;
  for (int y = 1; y < card.height; ++y) {
    for (int x = 0; x < 260; ++x) {
      if (shot.At(x, y) != 0xFFFFFF) {
        if (firstInk < 0) firstInk = y;
        lastInk = y;
        break;
      }
    }
  }
  EXPECT_GE(firstInk, card.textRect.top);
  EXPECT_LT(lastInk, card.textRect.bottom);
  EXPECT_GE(lastInk, card.textRect.bottom - lineHeight);
  EXPECT_EQ(card.textRect.bottom - card.textRect.top, 3 * lineHeight);
}

}  // namespace
}  // namespace vextal::testing
