// The common part of the font name and size pickers: a combo box of a
// dialog template, attached by subclassing, whose current text is either the
// selected item or what the user typed into the edit field.
#pragma once

#include <windows.h>

#include <string>

#include "common/control.h"

namespace zettrella {

class FontComboBase : public ui::Control {
 public:
  // The selected item's text, or the edit field when nothing is selected.
  std::string GetCurrentText() const;
  // Selects the item whose text equals text (exact) or begins with it (not
  // exact), ignoring case; with no such item the selection is cleared and
  // the edit field shows text.
  void SetCurrentText(const std::string& text, bool exact);
  void LimitText(int n) { Send(CB_LIMITTEXT, static_cast<WPARAM>(n)); }

  int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  std::string ItemString(int index) const;
};

}  // namespace zettrella
