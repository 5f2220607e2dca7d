// Enumeration, selection and owner drawing of the font name picker.
#include "notes/dialogs/font_name_combo.h"

#include <algorithm>
#include <cstring>

#include "resources/zettrella_res.h"

namespace zettrella {

namespace {

// Sizes in pixels at 96 DPI; the picker scales them to the screen's DPI.
constexpr int kBaseDpi = 96;
constexpr int kMarkWidth = 16;
constexpr int kMarkHeight = 15;
constexpr int kMarkCellX = 16;  // the TrueType mark is the bitmap's right cell
constexpr int kMinItemHeight = 15;
// Room beside the widest name in the dropped-down list.
constexpr int kDroppedWidthExtra = 22;

}  // namespace

FontNameCombo::FontNameCombo() : mark_(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_FONT_MARK))) {
  HGDIOBJ stockFont = GetStockObject(DEFAULT_GUI_FONT);
  TEXTMETRICA metrics{};
  {
    SelectedObject selected(screen_.get(), stockFont);
    GetTextMetricsA(screen_.get(), &metrics);
  }
  itemHeightBase_ = metrics.tmHeight;
  // The stock font already has the screen's size; the mark and the least
  // item height grow with it.
  const int dpiX = GetDeviceCaps(screen_.get(), LOGPIXELSX);
  const int dpiY = GetDeviceCaps(screen_.get(), LOGPIXELSY);
  markWidth_ = MulDiv(kMarkWidth, dpiX, kBaseDpi);
  markHeight_ = MulDiv(kMarkHeight, dpiY, kBaseDpi);
  minItemHeight_ = MulDiv(kMinItemHeight, dpiY, kBaseDpi);
}

void FontNameCombo::FillFontNames(BYTE charset) {
  const std::string saved = GetCurrentText();
  // The items go before the records their data points to.
  Send(CB_RESETCONTENT);
  records_.clear();

  LOGFONTA wanted{};
  wanted.lfCharSet = charset;
  EnumFontFamiliesExA(screen_.get(), &wanted, reinterpret_cast<FONTENUMPROCA>(&EnumFontProc),
                      reinterpret_cast<LPARAM>(this), 0);

  std::vector<const FontRecord*> records;
  for (const FontRecord& record : records_) records.push_back(&record);
  const std::vector<std::string> names = ListedNames(records);

  LONG widest = 0;
  {
    WindowDc dc(hwnd());
    SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(Send(WM_GETFONT)));
    for (size_t i = 0; i < records_.size(); ++i) {
      const std::string& name = names[i];
      SIZE extent{};
      GetTextExtentPoint32A(dc.get(), name.c_str(), static_cast<int>(name.size()), &extent);
      widest = std::max(widest, extent.cx);
      const auto index = static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str())));
      if (index >= 0) Send(CB_SETITEMDATA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&records_[i]));
    }
  }
  const int extra = MulDiv(kDroppedWidthExtra, GetDeviceCaps(screen_.get(), LOGPIXELSX), kBaseDpi);
  Send(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest + GetSystemMetrics(SM_CXVSCROLL) + extra));
  SetCurrentText(saved, false);
}

int CALLBACK FontNameCombo::EnumFontProc(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType, LPARAM param) {
  auto* picker = reinterpret_cast<FontNameCombo*>(param);
  const bool dbcs = GetSystemMetrics(SM_DBCSENABLED) != 0;
  if (!IsListedFont((fontType & RASTER_FONTTYPE) != 0, font->lfCharSet, dbcs, font->lfFaceName)) return 1;
  // The extended enumeration hands over an ENUMLOGFONTEXA, with a script.
  const char* script = reinterpret_cast<const char*>(reinterpret_cast<const ENUMLOGFONTEXA*>(font)->elfScript);
  FontRecord record;
  record.face.assign(font->lfFaceName, strnlen(font->lfFaceName, LF_FACESIZE - 1));
  record.script.assign(script, strnlen(script, LF_FACESIZE - 1));
  record.charset = font->lfCharSet;
  record.pitchAndFamily = font->lfPitchAndFamily;
  record.kind = (fontType & TRUETYPE_FONTTYPE) ? kFontKindTrueType : 0;
  picker->records_.push_back(std::move(record));
  return 1;
}

void FontNameCombo::SelectFontName(const std::string& name, BYTE charset) {
  const LPARAM text = reinterpret_cast<LPARAM>(name.c_str());
  const auto first = static_cast<int>(Send(CB_FINDSTRING, static_cast<WPARAM>(-1), text));
  // Items beginning with name, in list order, until the search wraps round:
  // the first whose face is name itself (case counts) in the character set.
  for (int i = first; i != CB_ERR;) {
    const FontRecord* record = RecordOf(i);
    if (record && (charset == kAnyCharset || record->charset == charset) && record->face == name) {
      if (Send(CB_GETCURSEL) != i) Send(CB_SETCURSEL, static_cast<WPARAM>(i));
      return;
    }
    i = static_cast<int>(Send(CB_FINDSTRING, static_cast<WPARAM>(i), text));
    if (i == first) break;
  }
  SetCurrentText(name, true);
}

HDC FontNameCombo::GetSelectedFont(LOGFONTA* info) const {
  info->lfFaceName[0] = '\0';
  const std::string current = GetCurrentText();
  const auto index =
      static_cast<int>(Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(current.c_str())));
  if (index == CB_ERR) return nullptr;
  if (const FontRecord* record = RecordOf(index)) {
    lstrcpynA(info->lfFaceName, record->face.c_str(), LF_FACESIZE);
    info->lfCharSet = record->charset;
    info->lfPitchAndFamily = record->pitchAndFamily;
  }
  return screen_.get();
}

const FontRecord* FontNameCombo::RecordOf(int index) const {
  const LRESULT data = Send(CB_GETITEMDATA, static_cast<WPARAM>(index));
  if (data == CB_ERR || data == 0) return nullptr;
  return reinterpret_cast<const FontRecord*>(data);
}

bool FontNameCombo::DrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const int saved = SaveDC(dc);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  UniqueBrush brush(CreateSolidBrush(selected ? GetSysColor(COLOR_HIGHLIGHT) : GetBkColor(dc)));
  if (selected) SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  SetBkMode(dc, TRANSPARENT);
  FillRect(dc, &item.rcItem, brush.get());

  // An empty list asks to draw item -1: there is no record and no text.
  if (item.itemID != static_cast<UINT>(-1)) {
    const int index = LOWORD(item.itemID);
    const FontRecord* record = RecordOf(index);
    if (record && (record->kind & kFontKindTrueType) && mark_) {
      UniqueMemoryDc memory(CreateCompatibleDC(dc));
      SelectedObject bitmap(memory.get(), mark_.get());
      // SRCAND: the white around the mark leaves the item's background.
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, item.rcItem.left, item.rcItem.top, markWidth_, markHeight_, memory.get(), kMarkCellX, 0,
                 kMarkWidth, kMarkHeight, SRCAND);
    }
    const std::string text = ItemString(index);
    TextOutA(dc, item.rcItem.left + markWidth_, item.rcItem.top, text.c_str(), static_cast<int>(text.size()));
  }
  RestoreDC(dc, saved);
  return true;
}

bool FontNameCombo::MeasureItem(MEASUREITEMSTRUCT& item) {
  RECT rect{};
  GetWindowRect(hwnd(), &rect);
  item.itemWidth = static_cast<UINT>(rect.right - rect.left);
  item.itemHeight = static_cast<UINT>(std::max(itemHeightBase_, minItemHeight_));
  return true;
}

bool FontNameCombo::CompareItem(const COMPAREITEMSTRUCT& items, int* order) {
  // Only items already in the list have a text to compare.
  if (items.itemID1 == static_cast<UINT>(-1) || items.itemID2 == static_cast<UINT>(-1)) return false;
  const std::string a = ItemString(static_cast<int>(items.itemID1));
  const std::string b = ItemString(static_cast<int>(items.itemID2));
  const int compared = CompareStringA(GetThreadLocale(), 0, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                      static_cast<int>(b.size()));
  *order = compared == 0 ? 0 : compared - CSTR_EQUAL;
  return true;
}

}  // namespace zettrella
