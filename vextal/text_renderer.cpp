// Fonts, word wrap and text drawing of the loaded layer.
#include "vextal/text_renderer.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "vextal/canvas.h"
#include "vextal/text_layout.h"

namespace vextal {

TextRenderer::TextRenderer(int32_t firstFont) : measureDc_(CreateCompatibleDC(nullptr)), fonts_(firstFont) {
  zettrella::WindowDc screen(nullptr);
  if (screen.get()) dpi_ = GetDeviceCaps(screen.get(), LOGPIXELSY);
  if (dpi_ <= 0) dpi_ = 96;
  stockFont_ = Font::Stock(measureDc_.get());
}

int32_t TextRenderer::AddFont(std::string_view face, int32_t points) {
  Font font = Font::Create(face, points, dpi_, measureDc_.get());
  if (!font.handle()) return 0;
  return fonts_.Add(std::move(font));
}

const Font& TextRenderer::FontOrStock(int32_t font) {
  const Font* f = fonts_.Find(font);
  return f ? *f : stockFont_;
}

std::string TextRenderer::WordWrap(std::string_view text, int32_t font, int32_t width) {
  if (text.empty()) return {};
  const Font& f = FontOrStock(font);
  zettrella::SelectedObject use(measureDc_.get(), f.handle());
  GdiMeasurer measurer(measureDc_.get(), f.tabStop());
  return JoinLines(text, LayOutText(text, width, measurer));
}

// Text is laid out with the same breaking as WordWrap at the rectangle's
// width (wrapped text stays as it is) and drawn with the measured advances,
// so that measuring and drawing agree to the pixel.
void TextRenderer::Render(Bitmap* target, std::string_view text, int32_t font, int32_t colour, Rect& rect) {
  const Font& f = FontOrStock(font);
  HDC dc = target ? target->dc() : measureDc_.get();
  zettrella::SelectedObject use(dc, f.handle());
  GdiMeasurer measurer(dc, f.tabStop());
  const int width = static_cast<int>(std::clamp<int64_t>(int64_t{rect.right} - rect.left, 0, INT_MAX));
  const TextLayout layout = LayOutText(text, width, measurer);
  const int64_t lineHeight = f.lineHeight();
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
  std::vector<wchar_t> run;
  std::vector<INT> dx;
  for (size_t i = 0; i < layout.lines.size(); ++i) {
    const int64_t y = rect.top + lineHeight * static_cast<int64_t>(i);
    if (y >= clip.bottom) break;
    if (y + lineHeight <= clip.top) continue;
    const TextLayout::Line& line = layout.lines[i];
    run.assign(measurer.wide().begin() + line.first, measurer.wide().begin() + line.last);
    dx.assign(layout.advances.begin() + line.first, layout.advances.begin() + line.last);
    if (run.empty()) continue;
    ExtTextOutW(dc, rect.left, static_cast<int>(y), ETO_CLIPPED, &clip, run.data(), static_cast<UINT>(run.size()),
                dx.data());
  }
  // GDI leaves the alpha byte of the pixels it writes at 0; the image is
  // opaque, and a window manager that honours alpha would show holes.
  MakeOpaque(target->canvas(), clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
}

}  // namespace vextal
