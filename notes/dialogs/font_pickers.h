// The name and size pickers of one dialog, used together the same way by
// the edit and settings dialogs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "notes/dialogs/font_name_combo.h"
#include "notes/dialogs/font_size_combo.h"

namespace zettrella {

class FontPickers {
 public:
  // Takes over the two combo boxes of dialog and fills the name list with
  // the Shift-JIS fonts. Called first in the dialog's initialisation.
  void Attach(HWND dialog, int nameId, int sizeId);
  // Shows a font: its face selected in the name list (any character set)
  // or typed, and its size in points. The size list stays empty until it
  // is opened.
  void Show(const std::string& fontName, int32_t fontSizePoints);
  // A control's notification to the dialog; true when it was the size
  // control's CBN_DROPDOWN, which fills the size list of the chosen face,
  // keeping the size shown.
  bool OnCommand(int notifyCode, HWND control);
  // The name as shown or typed, possibly empty.
  std::string FontName() const { return name_.GetCurrentText(); }
  // The size in whole points; an unreadable size gives the last one shown.
  int32_t FontSizePoints() const;

 private:
  FontNameCombo name_;
  FontSizeCombo size_;
};

}  // namespace zettrella
