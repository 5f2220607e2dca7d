// Word wrap for code page 932 text. Single-byte words break at blanks;
// Japanese text may break between any two characters, except where the
// usual Japanese rules forbid it (no line starts with a closing bracket or
// a small kana, punctuation and the like; no line ends with an opening one).
#include "vextal/text_layout.h"

#include <algorithm>

#include "common/mbcs.h"

namespace vextal {
namespace {

// Double-byte characters that may not begin a line. The literals become
// code page 932 bytes, two per character.
constexpr std::string_view kNoStartWide =
    "、。，．・：；？！゛゜ヽヾゝゞ々ー）］｝」』】〕〉》”’"
    "ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ…‥％";
// ASCII characters that may not begin a line.
constexpr std::string_view kNoStartNarrow = ")]},.!?:;%";
// Double-byte characters that may not end a line.
constexpr std::string_view kNoEndWide = "（［｛「『【〔〈《“‘＄￥";

bool ContainsWide(std::string_view set, std::string_view ch) {
  for (size_t i = 0; i + 1 < set.size(); i += 2) {
    if (set[i] == ch[0] && set[i + 1] == ch[1]) return true;
  }
  return false;
}

// Double-byte characters and half-width katakana take part in Japanese
// line breaking: a line may break between them.
bool IsJapanese(std::string_view ch) {
  if (ch.size() == 2) return true;
  const auto b = static_cast<unsigned char>(ch[0]);
  return b >= 0xA1 && b <= 0xDF;
}

class LineBreaker {
 public:
  LineBreaker(std::string_view text, int maxWidth, Measurer& measurer, TextLayout& out)
      : text_(text), maxWidth_(maxWidth), tabStop_(std::max(1, measurer.TabStop())), out_(out) {}

  // Lays out the characters [first, last) of one line of the source text.
  void LayOutSourceLine(size_t first, size_t last) {
    if (first == last || maxWidth_ <= 0) {
      Emit(first, last);
      return;
    }
    size_t pos = first;
    while (pos < last) pos = LayOutOneLine(pos, last);
  }

 private:
  std::string_view Char(size_t k) const {
    const CharSpan& c = out_.chars[k];
    return text_.substr(c.start, c.len);
  }
  bool Blank(size_t k) const { return Char(k)[0] == ' ' || Char(k)[0] == '\t'; }
  int Advance(size_t k, int x) const {
    if (Char(k)[0] == '\t') return tabStop_ - x % tabStop_;
    return out_.advances[k];
  }

  // A line may break before character k (which follows k - 1 on the line).
  bool MayBreakBefore(size_t k) const {
    if (Blank(k)) return false;
    const std::string_view cur = Char(k);
    if (MayNotStartLine(cur)) return false;
    if (Blank(k - 1)) return true;
    const std::string_view prev = Char(k - 1);
    return (IsJapanese(prev) || IsJapanese(cur)) && !MayNotEndLine(prev);
  }

  // Lays out one output line starting at pos; returns where the next begins.
  size_t LayOutOneLine(size_t pos, size_t last) {
    int x = 0;
    bool visible = false;  // a non-blank character is on the line
    size_t breakEnd = 0;   // best break so far: the line ends here...
    size_t breakNext = 0;  // ...and the next one begins here
    bool haveBreak = false;
    size_t contentEnd = pos;  // one past the last non-blank character
    for (size_t k = pos; k < last; ++k) {
      const int w = Advance(k, x);
      if (Blank(k)) {
        // Blanks hang past the edge; a break at them swallows them.
        x += w;
        continue;
      }
      if (k > pos && visible && MayBreakBefore(k)) {
        haveBreak = true;
        breakEnd = contentEnd;
        breakNext = k;
      }
      if (x + w > maxWidth_) {
        if (!visible) {
          if (k > pos) return k;  // leading blanks that do not fit are dropped
        } else if (haveBreak) {
          Emit(pos, breakEnd);
          return breakNext;
        } else {
          const size_t at = ForcedBreak(pos, k);
          size_t end = at;
          while (end > pos && Blank(end - 1)) --end;
          Emit(pos, end);
          return at;
        }
      }
      x += w;
      visible = true;
      contentEnd = k + 1;
    }
    Emit(pos, last);
    return last;
  }

  // A word wider than the line breaks inside, as late as possible, and
  // still keeps the line-breaking rules where it can.
  size_t ForcedBreak(size_t pos, size_t overflow) const {
    for (size_t k = overflow; k > pos + 1; --k) {
      if (!MayNotStartLine(Char(k)) && !MayNotEndLine(Char(k - 1))) return k;
    }
    return overflow;
  }

  // Adds a line; its width is that of its ink, without trailing blanks.
  void Emit(size_t first, size_t last) {
    int x = 0;
    int inked = 0;
    for (size_t k = first; k < last; ++k) {
      out_.advances[k] = Advance(k, x);
      x += out_.advances[k];
      if (!Blank(k)) inked = x;
    }
    out_.lines.push_back({first, last, inked});
  }

  std::string_view text_;
  int maxWidth_;
  int tabStop_;
  TextLayout& out_;
};

}  // namespace

std::vector<CharSpan> SplitChars(std::string_view text) {
  std::vector<CharSpan> chars;
  chars.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const auto len = static_cast<uint32_t>(zettrella::CharLengthAt(text, i));
    chars.push_back({static_cast<uint32_t>(i), len});
    i += len;
  }
  return chars;
}

bool MayNotStartLine(std::string_view ch) {
  if (ch.size() == 2) return ContainsWide(kNoStartWide, ch);
  if (ch.size() != 1) return false;
  const auto b = static_cast<unsigned char>(ch[0]);
  // Half-width katakana: ｡ ｣ ､ ･, small ｧ-ｯ, ｰ and the sound marks.
  return kNoStartNarrow.find(ch[0]) != std::string_view::npos || b == 0xA1 || (b >= 0xA3 && b <= 0xA5) ||
         (b >= 0xA7 && b <= 0xB0) || b == 0xDE || b == 0xDF;
}

bool MayNotEndLine(std::string_view ch) {
  if (ch.size() == 2) return ContainsWide(kNoEndWide, ch);
  if (ch.size() != 1) return false;
  const auto b = static_cast<unsigned char>(ch[0]);
  return b == '(' || b == '[' || b == '{' || b == 0xA2;  // 0xA2: half-width ｢
}

TextLayout LayOutText(std::string_view text, int maxWidth, Measurer& measurer) {
  TextLayout layout;
  layout.chars = SplitChars(text);
  layout.advances.assign(layout.chars.size(), 0);
  if (layout.chars.empty()) return layout;
  measurer.MeasureChars(text, layout.chars, layout.advances);

  LineBreaker breaker(text, maxWidth, measurer, layout);
  const size_t n = layout.chars.size();
  size_t lineStart = 0;
  for (size_t k = 0; k < n; ++k) {
    const char b = text[layout.chars[k].start];
    if (b != '\r' && b != '\n') continue;
    breaker.LayOutSourceLine(lineStart, k);
    if (b == '\r' && k + 1 < n && text[layout.chars[k + 1].start] == '\n') ++k;
    lineStart = k + 1;
  }
  // Text after the last line break is a line; so is the empty rest after a
  // final break, which keeps a trailing line break in the result.
  breaker.LayOutSourceLine(lineStart, n);
  return layout;
}

std::string JoinLines(std::string_view text, const TextLayout& layout) {
  std::string out;
  out.reserve(text.size() + text.size() / 8 + 2);
  for (size_t i = 0; i < layout.lines.size(); ++i) {
    if (i > 0) out += "\r\n";
    const TextLayout::Line& line = layout.lines[i];
    if (line.first == line.last) continue;
    const CharSpan& a = layout.chars[line.first];
    const CharSpan& z = layout.chars[line.last - 1];
    out.append(text.substr(a.start, z.start + z.len - a.start));
  }
  return out;
}

}  // namespace vextal
