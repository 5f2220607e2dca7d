// The tray callback of the main window: the tray and note menus, and every
// command they offer.
#include "notes/app/note_board_dialog.h"
#include "notes/input/command_ids.h"
#include "notes/input/new_notes.h"
#include "notes/input/note_menus.h"

namespace zettrella {

LRESULT NoteBoardDialog::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
  switch (lParam) {
    case WM_LBUTTONUP:
      if (binding_) binding_->Redraw();
      break;
    case WM_RBUTTONUP:
      // For a note's menu wParam carries the note's layer id.
      RunMenu(static_cast<int32_t>(wParam));
      break;
    default:
      break;
  }
  return 0;
}

// The layer keeps the notes out of the foreground while the menu and any
// dialog of its command are open, and gets the switch back afterwards.
void NoteBoardDialog::RunMenu(int32_t noteId) {
  if (binding_) binding_->Floating(0);
  UniqueMenu menu;
  if (noteMenuPending_) {
    const int slot = notes_.FindSlot(noteId);
    addressItems_.fill(std::string());
    if (slot != kNoSlot) ExtractAddresses(notes_[slot].Text, &addressItems_);
    menu = BuildNoteMenu(addressItems_, slot != kNoSlot ? &notes_[slot] : nullptr, settings_.Floating);
  } else {
    menu = BuildTrayMenu(settings_.Floating);
  }
  noteMenuPending_ = 0;

  POINT cursor{};
  GetCursorPos(&cursor);
  // Without becoming the foreground window, the menu would not close when
  // the user clicks elsewhere.
  SetForegroundWindow(hwnd());
  const int command = static_cast<int>(
      TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_RETURNCMD, cursor.x, cursor.y, 0, hwnd(), nullptr));
  RunCommand(command, noteId);
  // Lets the menu close properly when the next message arrives.
  PostMessageA(hwnd(), WM_NULL, 0, 0);
  menu.reset();
  if (binding_) binding_->Floating(settings_.Floating);
}

void NoteBoardDialog::RunCommand(int command, int32_t noteId) {
  switch (command) {
    case kCmdQuit: PostQuitMessage(0); break;
    case kCmdCreateCyan: CreateNote(kTypeCyan); break;
    case kCmdCreateMagenta: CreateNote(kTypeMagenta); break;
    case kCmdCreateYellow: CreateNote(kTypeYellow); break;
    case kCmdEdit: EditNoteOfId(noteId); break;
    case kCmdTextRed: ToggleTextRed(noteId); break;
    case kCmdCyan: SetNoteType(noteId, kTypeCyan); break;
    case kCmdMagenta: SetNoteType(noteId, kTypeMagenta); break;
    case kCmdYellow: SetNoteType(noteId, kTypeYellow); break;
    case kCmdDuplicate: DuplicateNote(noteId); break;
    case kCmdDelete: DeleteNote(noteId); break;
    case kCmdFloating: ToggleFloating(); break;
    case kCmdSettings: ChangeSettings(); break;
    case kCmdAbout: ShowAbout(); break;
    default:
      if (command >= kCmdFirstAddress && command <= kCmdLastAddress) OpenAddress(command - kCmdFirstAddress);
      break;
  }
}

void NoteBoardDialog::CreateNote(int32_t type) {
  const int slot = notes_.FirstEmptySlot();
  if (slot != kNoSlot) {
    Note& note = notes_[slot];
    note = MakeNewNote(type, settings_, desktopRect_.right, desktopRect_.bottom);
    note.Priority = notes_.TakeNextPriority();
    BuildNote(slot, note.Priority);
  }
  if (binding_) binding_->Redraw();
}

void NoteBoardDialog::EditNoteOfId(int32_t noteId) {
  const int slot = notes_.FindSlot(noteId);
  if (slot != kNoSlot) EditNote(slot);
}

void NoteBoardDialog::ToggleTextRed(int32_t noteId) {
  const int slot = notes_.FindSlot(noteId);
  if (slot == kNoSlot) return;
  Note& note = notes_[slot];
  note.TextRed = note.TextRed == 0 ? 1 : 0;
  BuildNote(slot, note.Priority);
}

void NoteBoardDialog::SetNoteType(int32_t noteId, int32_t type) {
  const int slot = notes_.FindSlot(noteId);
  if (slot == kNoSlot) return;
  notes_[slot].Type = type;
  BuildNote(slot, notes_[slot].Priority);
}

void NoteBoardDialog::DuplicateNote(int32_t noteId) {
  const int source = notes_.FindSlot(noteId);
  if (source == kNoSlot) return;
  const int slot = notes_.FirstEmptySlot();
  if (slot == kNoSlot) return;
  Note& note = notes_[slot];
  note = MakeDuplicate(notes_[source]);
  note.Priority = notes_.TakeNextPriority();
  BuildNote(slot, note.Priority);
}

void NoteBoardDialog::ToggleFloating() {
  settings_.Floating = settings_.Floating == 1 ? 0 : 1;
  settingsFile_.SaveFloating(settings_.Floating);
}

void NoteBoardDialog::OpenAddress(int index) {
  const std::string& address = addressItems_[static_cast<size_t>(index)];
  if (!address.empty() && openAddress_) openAddress_(address);
}

void NoteBoardDialog::SetAddressOpener(AddressOpener opener) { openAddress_ = std::move(opener); }

}  // namespace zettrella
