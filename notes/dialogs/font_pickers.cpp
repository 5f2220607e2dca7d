// The pair of font pickers of a dialog.
#include "notes/dialogs/font_pickers.h"

#include "common/saturate.h"

namespace zettrella {

namespace {

constexpr int kNameLimit = 32;
constexpr int kSizeLimit = 4;
constexpr int kTwipsPerPoint = 20;

}  // namespace

void FontPickers::Attach(HWND dialog, int nameId, int sizeId) {
  name_.Attach(dialog, nameId);
  size_.Attach(dialog, sizeId);
  name_.LimitText(kNameLimit);
  size_.LimitText(kSizeLimit);
  name_.FillFontNames(SHIFTJIS_CHARSET);
}

void FontPickers::Show(const std::string& fontName, int32_t fontSizePoints) {
  name_.SelectFontName(fontName, FontNameCombo::kAnyCharset);
  size_.SetSizeTwips(Saturate(static_cast<int64_t>(fontSizePoints) * kTwipsPerPoint));
}

bool FontPickers::OnCommand(int notifyCode, HWND control) {
  if (notifyCode != CBN_DROPDOWN || control != size_.hwnd()) return false;
  const int32_t twips = size_.GetSizeTwips();
  LOGFONTA font{};
  if (HDC dc = name_.GetSelectedFont(&font)) size_.FillSizes(dc, font.lfFaceName);
  size_.SetSizeTwips(twips);
  return true;
}

int32_t FontPickers::FontSizePoints() const { return size_.GetSizeTwips() / kTwipsPerPoint; }

}  // namespace zettrella
