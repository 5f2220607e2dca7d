// The edit dialog: filling the controls from the note and taking them back.
#include "notes/dialogs/note_edit_dialog.h"

#include "notes/dialogs/dialog_placement.h"
#include "notes/dialogs/edit_values.h"
#include "notes/model/settings_values.h"
#include "resources/zettrella_res.h"

namespace zettrella {

NoteEditDialog::NoteEditDialog(Note& note, const ScreenRect& desktopRect, HWND owner)
    : ui::Dialog(IDD_NOTE_EDIT, owner), note_(note), desktopRect_(desktopRect) {}

BOOL NoteEditDialog::OnInitDialog() {
  fonts_.Attach(hwnd(), IDC_EDIT_FONT_NAME, IDC_EDIT_FONT_SIZE);
  fonts_.Show(note_.fontName, note_.fontSize);

  SetItemText(IDC_EDIT_TEXT, TextForEditBox(note_.text).c_str());
  SetChecked(IDC_EDIT_TEXT_RED, note_.textRed);
  SetChecked(IDC_EDIT_MASK, note_.mask);
  SetItemInt(IDC_EDIT_MASK_FROM, note_.maskFrom);
  EnableItem(IDC_EDIT_MASK_FROM, note_.mask);
  // Each button by its own test: a colour outside 0-2 leaves all unchecked.
  SetChecked(IDC_EDIT_CYAN, note_.type == kTypeCyan);
  SetChecked(IDC_EDIT_MAGENTA, note_.type == kTypeMagenta);
  SetChecked(IDC_EDIT_YELLOW, note_.type == kTypeYellow);
  SetItemInt(IDC_EDIT_WIDTH, note_.width);

  PlaceAtNote(hwnd(), note_, desktopRect_);
  return TRUE;
}

bool NoteEditDialog::OnCommand(int id, int notifyCode, HWND control) {
  if (id == IDC_EDIT_MASK && notifyCode == BN_CLICKED) {
    EnableItem(IDC_EDIT_MASK_FROM, IsChecked(IDC_EDIT_MASK));
    return true;
  }
  return fonts_.OnCommand(notifyCode, control);
}

// Nothing is refused: every value is taken or raised to its least value.
void NoteEditDialog::OnOK() {
  note_.fontName = SingleLine(fonts_.FontName());
  note_.fontSize = fonts_.FontSizePoints();
  note_.text = TextFromEditBox(ItemText(IDC_EDIT_TEXT));
  note_.textRed = IsChecked(IDC_EDIT_TEXT_RED);
  note_.mask = IsChecked(IDC_EDIT_MASK);
  note_.maskFrom = AtLeast(ItemInt(IDC_EDIT_MASK_FROM), kMinMaskFrom);
  note_.type = IsChecked(IDC_EDIT_CYAN) ? kTypeCyan : IsChecked(IDC_EDIT_MAGENTA) ? kTypeMagenta : kTypeYellow;
  note_.width = AtLeast(ItemInt(IDC_EDIT_WIDTH), kMinNoteWidth);
  EndModal(IDOK);
}

}  // namespace zettrella
