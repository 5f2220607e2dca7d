// The font name picker: the font families of one character set, sorted by
// the control, each item owner-drawn with a TrueType mark where it applies;
// the picker keeps the FontRecord of every item.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/win_handles.h"
#include "notes/dialogs/font_combo_base.h"
#include "notes/dialogs/font_list.h"

namespace zettrella {

class FontNameCombo : public FontComboBase {
 public:
  static constexpr BYTE kAnyCharset = DEFAULT_CHARSET;

  // The mark is the right 16 x 15 cell of the 32 x 15 bitmap IDB_FONT_MARK.
  FontNameCombo();

  // Rebuilds the list with the fonts of charset on the screen, keeping the
  // current text.
  void FillFontNames(BYTE charset);
  // Selects the item of face name in charset (kAnyCharset: any); with no
  // such item the edit field shows name and nothing is selected.
  void SelectFontName(const std::string& name, BYTE charset);
  // When the current text names a listed item, that font's face, character
  // set and pitch and family into *info (else an empty face) and the screen
  // device context; null otherwise.
  HDC GetSelectedFont(LOGFONTA* info) const;

  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  bool MeasureItem(MEASUREITEMSTRUCT& item) override;
  bool CompareItem(const COMPAREITEMSTRUCT& items, int* order) override;

 private:
  static int CALLBACK EnumFontProc(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType, LPARAM param);
  const FontRecord* RecordOf(int index) const;

  UniqueBitmap mark_;
  WindowDc screen_{nullptr};
  int itemHeightBase_ = 0;
  // The mark's size and the least item height in pixels at the screen's DPI.
  int markWidth_ = 0;
  int markHeight_ = 0;
  int minItemHeight_ = 0;
  // The fonts of the list, filled by FillFontNames; each item's data is the
  // address of its record, which stays put until the list is filled again.
  std::vector<FontRecord> records_;
};

}  // namespace zettrella
