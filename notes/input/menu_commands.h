// The tray callback of the main window: the tray and note menus, and every
// command they offer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "notes/board/note_board.h"
#include "notes/input/address_opener.h"
#include "notes/input/addresses.h"
#include "notes/input/dialog_commands.h"

namespace zettrella {

class MenuCommands {
 public:
  MenuCommands(NoteBoard& board, DialogCommands& dialogs) : board_(board), dialogs_(dialogs) {}

  // The window that owns the menus.
  void SetWindow(HWND window) { window_ = window; }

  // A right click on a note: its menu opens from the tray callback message,
  // posted so that it runs after the layer's SendMessage has returned.
  void RequestNoteMenu(int32_t noteId);
  // The tray icon's callback message; for a note's menu wParam carries the
  // note's layer id.
  void OnTrayNotify(WPARAM wParam, LPARAM lParam);

  // What opens an address chosen in the note menu; the shell by default.
  void SetAddressOpener(AddressOpener opener) { openAddress_ = std::move(opener); }
  const AddressItems& addressItems() const { return addressItems_; }

 private:
  void RunMenu(int32_t noteId);
  void RunCommand(int command, int32_t noteId);

  NoteBoard& board_;
  DialogCommands& dialogs_;
  HWND window_ = nullptr;
  // The next menu is a note's menu, not the tray menu.
  bool noteMenuPending_ = false;
  // The addresses of the most recent note menu.
  AddressItems addressItems_;
  AddressOpener openAddress_ = OpenWithShell;
};

}  // namespace zettrella
