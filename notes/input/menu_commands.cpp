// The tray and note menus and their commands.
#include "notes/input/menu_commands.h"

#include "notes/input/command_ids.h"
#include "notes/input/note_menus.h"

namespace zettrella {

LRESULT MenuCommands::OnTrayNotify(WPARAM wParam, LPARAM lParam) {
  switch (lParam) {
    case WM_LBUTTONUP:
      board_.Redraw();
      break;
    case WM_RBUTTONUP:
      RunMenu(static_cast<int32_t>(wParam));
      break;
    default:
      break;
  }
  return 0;
}

// The layer keeps the notes out of the foreground while the menu and any
// dialog of its command are open, and gets the switch back afterwards.
void MenuCommands::RunMenu(int32_t noteId) {
  board_.LeaveFront();
  const NoteTable& notes = board_.notes();
  const int32_t floating = board_.settings().Floating;
  UniqueMenu menu;
  if (noteMenuPending_) {
    const int slot = notes.FindSlot(noteId);
    addressItems_.fill(std::string());
    if (slot != kNoSlot) ExtractAddresses(notes[slot].Text, &addressItems_);
    menu = BuildNoteMenu(addressItems_, slot != kNoSlot ? &notes[slot] : nullptr, floating);
  } else {
    menu = BuildTrayMenu(floating);
  }
  noteMenuPending_ = false;

  POINT cursor{};
  GetCursorPos(&cursor);
  // Without becoming the foreground window, the menu would not close when
  // the user clicks elsewhere.
  SetForegroundWindow(window_);
  const int command = static_cast<int>(
      TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_RETURNCMD, cursor.x, cursor.y, 0, window_, nullptr));
  RunCommand(command, noteId);
  // Lets the menu close properly when the next message arrives.
  PostMessageA(window_, WM_NULL, 0, 0);
  menu.reset();
  board_.RestoreFront();
}

void MenuCommands::RunCommand(int command, int32_t noteId) {
  const int slot = board_.notes().FindSlot(noteId);
  switch (command) {
    case kCmdQuit:
      PostQuitMessage(0);
      break;
    case kCmdCreateCyan:
      board_.Create(kTypeCyan);
      break;
    case kCmdCreateMagenta:
      board_.Create(kTypeMagenta);
      break;
    case kCmdCreateYellow:
      board_.Create(kTypeYellow);
      break;
    case kCmdEdit:
      dialogs_.Edit(noteId);
      break;
    case kCmdTextRed:
      if (slot != kNoSlot) board_.ToggleTextRed(slot);
      break;
    case kCmdCyan:
      if (slot != kNoSlot) board_.Recolour(slot, kTypeCyan);
      break;
    case kCmdMagenta:
      if (slot != kNoSlot) board_.Recolour(slot, kTypeMagenta);
      break;
    case kCmdYellow:
      if (slot != kNoSlot) board_.Recolour(slot, kTypeYellow);
      break;
    case kCmdDuplicate:
      if (slot != kNoSlot) board_.Duplicate(slot);
      break;
    case kCmdDelete:
      dialogs_.Delete(noteId);
      break;
    case kCmdFloating:
      board_.ToggleFloating();
      break;
    case kCmdSettings:
      dialogs_.ChangeSettings();
      break;
    case kCmdAbout:
      dialogs_.ShowAbout();
      break;
    default:
      if (command >= kCmdFirstAddress && command <= kCmdLastAddress) OpenAddress(command - kCmdFirstAddress);
      break;
  }
}

void MenuCommands::OpenAddress(int index) {
  const std::string& address = addressItems_[static_cast<size_t>(index)];
  if (!address.empty() && openAddress_) openAddress_(address);
}

}  // namespace zettrella
