// Fonts, word wrap and text drawing of the loaded layer, with character
// widths from GDI.
#include "vextal/text_renderer.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "common/mbcs.h"
#include "common/saturate.h"
#include "vextal/canvas.h"
#include "vextal/text_layout.h"

namespace vextal {
namespace {

constexpr UINT kCodePage = 932;
constexpr int32_t kDefaultPoints = 9;
constexpr int32_t kLargestPoints = 1000;
constexpr wchar_t kUnmappable = 0x30FB;  // "・", for bytes that are no character

// Copies a face name into LOGFONTA's field: up to the first NUL, at most
// LF_FACESIZE - 1 bytes, never ending inside a double-byte character. A
// lead byte that ends the name without its second byte is left out too.
void CopyFaceName(std::string_view face, char (&out)[LF_FACESIZE]) {
  face = zettrella::CutAtCharBoundary(face.substr(0, face.find('\0')), LF_FACESIZE - 1);
  size_t last = 0;
  for (size_t i = 0; i < face.size(); i += zettrella::CharLengthAt(face, i)) last = i;
  if (last + 1 == face.size() && zettrella::IsLeadByte(face[last])) face.remove_suffix(1);
  std::memcpy(out, face.data(), face.size());
  out[face.size()] = '\0';
}

// Lines are tmHeight apart, as DrawText spaces them; tab stops every eight
// average characters, as DT_EXPANDTABS places them.
void ReadMetrics(HDC measureDc, Font& font) {
  zettrella::SelectedObject use(measureDc, font.handle);
  TEXTMETRICW tm{};
  if (GetTextMetricsW(measureDc, &tm)) {
    font.lineHeight = std::max<int>(1, tm.tmHeight);
    font.tabStop = std::max<int>(1, 8 * tm.tmAveCharWidth);
  }
}

wchar_t WideOf(const char* p, uint32_t len) {
  const auto b = static_cast<unsigned char>(p[0]);
  if (b == '\t' || b == '\r' || b == '\n') return L' ';
  if (len == 1 && b < 0x80) return static_cast<wchar_t>(b);
  wchar_t out[2];
  const int n = MultiByteToWideChar(kCodePage, 0, p, static_cast<int>(len), out, 2);
  return n == 1 ? out[0] : kUnmappable;
}

// Measures characters with the font selected into a DC, and keeps the
// UTF-16 form of each character (blanks and line breaks as spaces) for
// drawing them afterwards.
class GdiMeasurer : public Measurer {
 public:
  GdiMeasurer(HDC dc, int tabStop) : dc_(dc), tabStop_(tabStop) {}
  int TabStop() override { return tabStop_; }
  const std::vector<wchar_t>& wide() const { return wide_; }

  void MeasureChars(std::string_view text, const std::vector<CharSpan>& chars, std::vector<int>& widths) override {
    wide_.resize(chars.size());
    for (size_t k = 0; k < chars.size(); ++k) wide_[k] = WideOf(text.data() + chars[k].start, chars[k].len);
    // One call for the whole text: GDI gives the extent after every character.
    std::vector<int> extents(chars.size(), 0);
    SIZE size{};
    if (!chars.empty() &&
        GetTextExtentExPointW(dc_, wide_.data(), static_cast<int>(wide_.size()), 0, nullptr, extents.data(), &size)) {
      int before = 0;
      for (size_t k = 0; k < chars.size(); ++k) {
        widths[k] = std::max(0, extents[k] - before);
        before = extents[k];
      }
    }
  }

 private:
  HDC dc_;
  int tabStop_;
  std::vector<wchar_t> wide_;
};

}  // namespace

TextRenderer::TextRenderer(int32_t firstFont) : measureDc_(CreateCompatibleDC(nullptr)), fonts_(firstFont) {
  zettrella::WindowDc screen(nullptr);
  if (screen.get()) dpi_ = GetDeviceCaps(screen.get(), LOGPIXELSY);
  if (dpi_ <= 0) dpi_ = 96;
  stockFont_.handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  ReadMetrics(measureDc_.get(), stockFont_);
}

int32_t TextRenderer::AddFont(std::string_view face, int32_t points) {
  if (points <= 0) points = kDefaultPoints;
  LOGFONTA lf{};  // default precision, quality and pitch
  // The height at 96 DPI scaled by the screen's DPI as the note program
  // scales its cards, so that a note breaks into the same lines at every DPI.
  lf.lfHeight = -zettrella::ScaleRounded(zettrella::ScaleRounded(std::min(points, kLargestPoints), 96, 72), dpi_, 96);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  CopyFaceName(face, lf.lfFaceName);
  Font font;
  font.owned.reset(CreateFontIndirectA(&lf));
  if (!font.owned) return 0;
  font.handle = font.owned.get();
  ReadMetrics(measureDc_.get(), font);
  return fonts_.Add(std::move(font));
}

const Font& TextRenderer::FontOrStock(int32_t font) {
  const Font* f = fonts_.Find(font);
  return f ? *f : stockFont_;
}

std::string TextRenderer::WordWrap(std::string_view text, int32_t font, int32_t width) {
  if (text.empty()) return {};
  const Font& f = FontOrStock(font);
  zettrella::SelectedObject use(measureDc_.get(), f.handle);
  GdiMeasurer measurer(measureDc_.get(), f.tabStop);
  return JoinLines(text, LayOutText(text, width, measurer));
}

// Text is laid out with the same breaking as WordWrap at the rectangle's
// width (wrapped text stays as it is) and drawn where it was measured, so
// that measuring and drawing agree to the pixel: a line with a tab is drawn
// with the layout's advances; any other line at GDI's own, which are the
// measured ones (the widths came from GDI's extents of the same characters
// in the same font). Passing advances costs GDI work for every character.
void TextRenderer::Render(Bitmap* target, std::string_view text, int32_t font, int32_t colour, Rect& rect) {
  const Font& f = FontOrStock(font);
  HDC dc = target ? target->dc() : measureDc_.get();
  zettrella::SelectedObject use(dc, f.handle);
  GdiMeasurer measurer(dc, f.tabStop);
  const int width = static_cast<int>(std::clamp<int64_t>(int64_t{rect.right} - rect.left, 0, INT_MAX));
  const TextLayout layout = LayOutText(text, width, measurer);
  const int64_t lineHeight = f.lineHeight;
  if (!target) {
    const int64_t bottom = rect.top + lineHeight * static_cast<int64_t>(layout.lines.size());
    rect.bottom = static_cast<int32_t>(std::min<int64_t>(bottom, INT32_MAX));
    return;
  }

  RECT clip{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, target->width()),
            std::min(rect.bottom, target->height())};
  if (clip.left >= clip.right || clip.top >= clip.bottom) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RgbToColorref(colour));
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  for (size_t i = 0; i < layout.lines.size(); ++i) {
    const int64_t y = rect.top + lineHeight * static_cast<int64_t>(i);
    if (y >= clip.bottom) break;
    const TextLayout::Line& line = layout.lines[i];
    if (y + lineHeight <= clip.top || line.first == line.last) continue;
    const bool tabbed = std::any_of(layout.chars.begin() + static_cast<std::ptrdiff_t>(line.first),
                                    layout.chars.begin() + static_cast<std::ptrdiff_t>(line.last),
                                    [text](const CharSpan& c) { return text[c.start] == '\t'; });
    ExtTextOutW(dc, rect.left, static_cast<int>(y), ETO_CLIPPED, &clip, measurer.wide().data() + line.first,
                static_cast<UINT>(line.last - line.first), tabbed ? layout.advances.data() + line.first : nullptr);
  }
  // GDI leaves the alpha byte of the pixels it writes at 0; the image is
  // opaque, and a window manager that honours alpha would show holes.
  MakeOpaque(target->canvas(), clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
}

}  // namespace vextal
