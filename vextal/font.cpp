// Font creation at the screen's resolution, and character widths from GDI.
#include "vextal/font.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace vextal {
namespace {

constexpr UINT kCodePage = 932;
constexpr int32_t kDefaultPoints = 9;
constexpr int32_t kLargestPoints = 1000;
constexpr wchar_t kUnmappable = 0x30FB;  // "・", for bytes that are no character

// Copies a face name into LOGFONTA's field: up to the first NUL, at most
// LF_FACESIZE - 1 bytes, never ending inside a double-byte character.
void CopyFaceName(std::string_view face, char (&out)[LF_FACESIZE]) {
  const size_t nul = face.find('\0');
  if (nul != std::string_view::npos) face = face.substr(0, nul);
  size_t n = 0;
  while (n < face.size()) {
    const size_t len = IsLeadByte(static_cast<unsigned char>(face[n])) ? 2 : 1;
    if (n + len > LF_FACESIZE - 1 || n + len > face.size()) break;
    n += len;
  }
  std::memcpy(out, face.data(), n);
  out[n] = '\0';
}

wchar_t WideOf(const char* p, uint32_t len) {
  const auto b = static_cast<unsigned char>(p[0]);
  if (b == '\t' || b == '\r' || b == '\n') return L' ';
  if (len == 1 && b < 0x80) return static_cast<wchar_t>(b);
  wchar_t out[2];
  const int n = MultiByteToWideChar(kCodePage, 0, p, static_cast<int>(len), out, 2);
  return n == 1 ? out[0] : kUnmappable;
}

}  // namespace

Font Font::Create(std::string_view face, int32_t points, int dpi, HDC measureDc) {
  if (points <= 0) points = kDefaultPoints;
  points = std::min(points, kLargestPoints);
  LOGFONTA lf{};
  // The height at 96 DPI scaled by the screen's DPI as the note program
  // scales its cards, so that a note breaks into the same lines at every DPI.
  lf.lfHeight = -MulDiv(MulDiv(points, 96, 72), dpi, 96);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  CopyFaceName(face, lf.lfFaceName);
  Font font;
  font.handle_ = CreateFontIndirectA(&lf);
  font.owned_ = font.handle_ != nullptr;
  if (font.handle_) font.ReadMetrics(measureDc);
  return font;
}

Font Font::Stock(HDC measureDc) {
  Font font;
  font.handle_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  font.ReadMetrics(measureDc);
  return font;
}

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    if (owned_) DeleteObject(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
    owned_ = std::exchange(other.owned_, false);
    lineHeight_ = other.lineHeight_;
    tabStop_ = other.tabStop_;
  }
  return *this;
}

Font::~Font() {
  if (owned_) DeleteObject(handle_);
}

// Lines are tmHeight apart, as DrawText spaces them; tab stops every eight
// average characters, as DT_EXPANDTABS places them.
void Font::ReadMetrics(HDC measureDc) {
  zettrella::SelectedObject use(measureDc, handle_);
  TEXTMETRICW tm{};
  if (GetTextMetricsW(measureDc, &tm)) {
    lineHeight_ = std::max<int>(1, tm.tmHeight);
    tabStop_ = std::max<int>(1, 8 * tm.tmAveCharWidth);
  }
}

void GdiMeasurer::MeasureChars(std::string_view text, const std::vector<CharSpan>& chars, std::vector<int>& widths) {
  wide_.resize(chars.size());
  for (size_t k = 0; k < chars.size(); ++k) {
    wide_[k] = WideOf(text.data() + chars[k].start, chars[k].len);
  }
  // One call for the whole text: GDI gives the extent after every character.
  extents_.assign(chars.size(), 0);
  SIZE size{};
  if (!chars.empty() &&
      GetTextExtentExPointW(dc_, wide_.data(), static_cast<int>(wide_.size()), 0, nullptr, extents_.data(), &size)) {
    int before = 0;
    for (size_t k = 0; k < chars.size(); ++k) {
      widths[k] = std::max(0, extents_[k] - before);
      before = extents_[k];
    }
  }
}

}  // namespace vextal
