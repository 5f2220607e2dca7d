// Line layout of code page 932 text: characters, Japanese line-breaking
// rules and word wrap, measured through a callback so that it needs no GDI.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vextal {

// One character of a text: a single byte, or a lead byte with its trail
// byte. A lead byte at the very end of the text stands alone.
struct CharSpan {
  uint32_t start;
  uint32_t len;
};

std::vector<CharSpan> SplitChars(std::string_view text);

// Widths of characters as one font draws them. Advances add up: a run of
// characters is as wide as the sum of its characters.
class Measurer {
 public:
  virtual ~Measurer() = default;
  // Sets widths[k] to the advance of chars[k]; the entries of tabs, CR and
  // LF are not used.
  virtual void MeasureChars(std::string_view text, const std::vector<CharSpan>& chars, std::vector<int>& widths) = 0;
  // Distance between tab stops, in pixels.
  virtual int TabStop() = 0;
};

// The text laid out in lines. Every character belongs to at most one line;
// line breaks and the blanks at which a line was broken belong to none.
struct TextLayout {
  struct Line {
    size_t first;  // index into chars
    size_t last;   // one past the line's last character
    int width;     // pixels
  };
  std::vector<CharSpan> chars;
  std::vector<int> advances;  // per character; a tab's advance depends on its line
  std::vector<Line> lines;
};

// Breaks text into lines no wider than maxWidth pixels. CR LF, a lone CR and
// a lone LF all end a line. With maxWidth 0 or less the text is only split
// at its own line breaks. A character wider than maxWidth gets a line of its
// own; no other line is wider than maxWidth.
TextLayout LayOutText(std::string_view text, int maxWidth, Measurer& measurer);

// The lines of a layout joined by CR LF.
std::string JoinLines(std::string_view text, const TextLayout& layout);

// Japanese line-breaking classes (exposed for the tests).
bool MayNotStartLine(std::string_view ch);
bool MayNotEndLine(std::string_view ch);

}  // namespace vextal
