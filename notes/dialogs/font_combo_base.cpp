// Current text and text limit of the font pickers.
#include "notes/dialogs/font_combo_base.h"

namespace zettrella {

std::string FontComboBase::GetCurrentText() const {
  const auto selected = static_cast<int>(Send(CB_GETCURSEL));
  if (selected != CB_ERR) return ItemString(selected);
  return WindowText();
}

void FontComboBase::SetCurrentText(const std::string& text, bool exact) {
  const UINT find = exact ? CB_FINDSTRINGEXACT : CB_FINDSTRING;
  const auto index = static_cast<int>(Send(find, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())));
  Send(CB_SETCURSEL, static_cast<WPARAM>(index));
  if (index == CB_ERR) SetWindowTextA(hwnd(), text.c_str());
}

std::string FontComboBase::ItemString(int index) const {
  const auto length = static_cast<int>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
  if (length == CB_ERR) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const auto got =
      static_cast<int>(Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

}  // namespace zettrella
