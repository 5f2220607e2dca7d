// Fonts of the layer and GDI measurement of code page 932 text.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "common/win_handles.h"
#include "vextal/text_layout.h"

namespace vextal {

// A GDI font with the metrics that layout needs. Owns the HFONT unless it
// is the stock fallback.
class Font {
 public:
  // The font `face` (code page 932) at `points` at the given resolution.
  // An unknown face gets the font mapper's substitute.
  static Font Create(std::string_view face, int32_t points, int dpi, HDC measureDc);
  // The stock GUI font, used for text drawn with no or an unknown font.
  static Font Stock(HDC measureDc);

  Font() = default;
  Font(Font&& other) noexcept { *this = std::move(other); }
  Font& operator=(Font&& other) noexcept;
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  HFONT handle() const { return handle_; }
  int lineHeight() const { return lineHeight_; }
  int tabStop() const { return tabStop_; }

 private:
  void ReadMetrics(HDC measureDc);

  HFONT handle_ = nullptr;
  bool owned_ = false;
  int lineHeight_ = 16;
  int tabStop_ = 64;
};

// Measures characters with the font selected into a DC, and keeps the
// UTF-16 form of each character for drawing them afterwards.
class GdiMeasurer : public Measurer {
 public:
  GdiMeasurer(HDC dc, int tabStop) : dc_(dc), tabStop_(tabStop) {}
  void MeasureChars(std::string_view text, const std::vector<CharSpan>& chars, std::vector<int>& widths) override;
  int TabStop() override { return tabStop_; }
  // One UTF-16 unit per character; blanks and line breaks are spaces.
  const std::vector<wchar_t>& wide() const { return wide_; }

 private:
  HDC dc_;
  int tabStop_;
  std::vector<wchar_t> wide_;
  std::vector<int> extents_;
};

}  // namespace vextal
