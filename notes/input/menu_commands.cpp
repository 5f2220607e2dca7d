// The tray and note menus and their commands.
#include "notes/input/menu_commands.h"

#include "common/protocol.h"
#include "common/shell_calls.h"
#include "notes/input/command_ids.h"
#include "notes/input/note_menus.h"

namespace zettrella {

void MenuCommands::RequestNoteMenu(int32_t noteId) {
  PostMessageA(window_, kNoteMenuMessage, static_cast<WPARAM>(noteId), 0);
}

void MenuCommands::OnTrayNotify(UINT mouseMessage) {
  if (mouseMessage == WM_LBUTTONUP) board_.Redraw();
  // The tray menu offers no command of a note.
  if (mouseMessage == WM_RBUTTONUP) RunMenu(BuildTrayMenu(board_.settings().floating), kNoObject);
}

void MenuCommands::OnNoteMenu(int32_t noteId) {
  const NoteTable& notes = board_.notes();
  const int slot = notes.FindSlot(noteId);
  addressItems_.fill(std::string());
  if (slot != kNoSlot) ExtractAddresses(notes[slot].text, &addressItems_);
  RunMenu(BuildNoteMenu(addressItems_, slot != kNoSlot ? &notes[slot] : nullptr, board_.settings().floating), noteId);
}

// Runs the menu at the cursor and the command chosen in it, for the note
// with this id. The layer keeps the notes out of the foreground while the
// menu and any dialog of its command are open, and gets the switch back
// afterwards.
void MenuCommands::RunMenu(UniqueMenu menu, int32_t noteId) {
  board_.LeaveFront();
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
  if (command >= kCmdFirstAddress && command <= kCmdLastAddress) {
    const std::string& address = addressItems_[static_cast<size_t>(command - kCmdFirstAddress)];
    // The shell's "open" verb starts the user's browser. The menu offers only
    // addresses beginning "http://" or "https://", so no file or program is
    // ever started this way.
    if (!address.empty()) ShellOpen(address.c_str());
    return;
  }
  const int slot = board_.notes().FindSlot(noteId);
  switch (command) {
    case kCmdQuit:
      PostQuitMessage(0);
      break;
    case kCmdCreateCyan:
    case kCmdCreateMagenta:
    case kCmdCreateYellow:
      board_.Create(kTypeCyan + (command - kCmdCreateCyan));
      break;
    case kCmdEdit:
      dialogs_.Edit(noteId);
      break;
    case kCmdTextRed:
      if (slot != kNoSlot) board_.ToggleTextRed(slot);
      break;
    case kCmdCyan:
    case kCmdMagenta:
    case kCmdYellow:
      if (slot != kNoSlot) board_.Recolour(slot, kTypeCyan + (command - kCmdCyan));
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
  }
}

}  // namespace zettrella
