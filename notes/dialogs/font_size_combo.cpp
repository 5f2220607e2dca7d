// Size list, size text and twips of the font size picker.
#include "notes/dialogs/font_size_combo.h"

#include <cstdio>

#include "notes/dialogs/font_size_text.h"

namespace zettrella {

namespace {

// The sizes offered for a scalable face, in points.
constexpr int kScalableSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int kTwipsPerInch = 1440;

}  // namespace

void FontSizeCombo::FillSizes(HDC dc, const char* face) {
  Send(CB_RESETCONTENT);
  if (!face || face[0] == '\0') return;
  logPixelsY_ = GetDeviceCaps(dc, LOGPIXELSY);
  EnumFontFamiliesA(dc, face, reinterpret_cast<FONTENUMPROCA>(&EnumSizeProc), reinterpret_cast<LPARAM>(this));
}

// Returns 1 to go on with the enumeration.
int CALLBACK FontSizeCombo::EnumSizeProc(const LOGFONTA*, const TEXTMETRICA* metrics, DWORD fontType, LPARAM param) {
  auto* combo = reinterpret_cast<FontSizeCombo*>(param);
  if ((fontType & RASTER_FONTTYPE) && !(fontType & TRUETYPE_FONTTYPE)) {
    combo->InsertSize(MulDiv(metrics->tmHeight - metrics->tmInternalLeading, kTwipsPerInch, combo->logPixelsY_));
    return 1;
  }
  // A scalable face has every size: offer the usual ones and stop.
  if (combo->Count() > 0) combo->Send(CB_RESETCONTENT);
  for (int points : kScalableSizes) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", points);
    combo->Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  return 0;
}

void FontSizeCombo::InsertSize(int32_t twips) {
  const std::string text = FormatTwips(twips);
  if (Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())) != CB_ERR) return;
  // Before the first item with a larger size, else at the end (-1).
  const auto size = static_cast<uint32_t>(twips);
  const int count = Count();
  int at = 0;
  while (at < count && static_cast<uint32_t>(Send(CB_GETITEMDATA, static_cast<WPARAM>(at))) <= size) ++at;
  const auto index = static_cast<int>(
      Send(CB_INSERTSTRING, static_cast<WPARAM>(at < count ? at : -1), reinterpret_cast<LPARAM>(text.c_str())));
  if (index >= 0) Send(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(size));
}

void FontSizeCombo::SetSizeTwips(int32_t twips) {
  SetCurrentText(FormatTwips(twips), true);
  lastTwips_ = twips;
}

int32_t FontSizeCombo::GetSizeTwips() const { return ParseSizeTwips(GetCurrentText(), lastTwips_); }

}  // namespace zettrella
