// The font name picker: the font families of one character set, sorted by
// the control, each item owner-drawn with a TrueType mark where it applies
// and owning the FontRecord of its font.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/win_handles.h"
#include "notes/dialogs/font_combo_base.h"
#include "notes/dialogs/font_list.h"

namespace zettrella {

class FontNameCombo : public FontComboBase {
 public:
  // Character set value that matches fonts of any character set.
  static constexpr BYTE kAnyCharset = DEFAULT_CHARSET;

  // markBitmapId: a 32 x 15 bitmap whose right 16 x 15 cell is the mark.
  explicit FontNameCombo(int markBitmapId);
  ~FontNameCombo() override;

  // Rebuilds the list with the fonts of charset on the screen, keeping the
  // current text.
  void FillFontNames(BYTE charset);
  // Selects the item of face name in charset (kAnyCharset: any); with no
  // such item the edit field shows name and nothing is selected.
  void SelectFontName(const std::string& name, BYTE charset);
  // The current text into *name (may be null) and, when it names a listed
  // item, that font's face, character set and pitch and family into *info
  // (may be null). Returns the screen device context for a listed item,
  // null otherwise.
  HDC GetSelectedFont(std::string* name, LOGFONTA* info) const;

  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  bool MeasureItem(MEASUREITEMSTRUCT& item) override;
  bool CompareItem(const COMPAREITEMSTRUCT& items, int* order) override;

  // The height of one list item before the minimum (15 pixels at 96 DPI).
  int ItemHeightBase() const { return itemHeightBase_; }

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  static int CALLBACK EnumFontProc(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType, LPARAM param);
  void AddEnumerated(const LOGFONTA& font, const char* script, DWORD fontType);
  const FontRecord* RecordOf(int index) const;
  void FreeRecords();

  UniqueBitmap mark_;
  WindowDc screen_{nullptr};
  bool useEx_ = false;
  int itemHeightBase_ = 0;
  // The mark's size, the least item height and the room beside the widest
  // name, in pixels at the screen's DPI.
  int markWidth_ = 0;
  int markHeight_ = 0;
  int minItemHeight_ = 0;
  int droppedWidthExtra_ = 0;
  // Filled only while FillFontNames runs.
  std::vector<std::unique_ptr<FontRecord>> collection_;
};

}  // namespace zettrella
