// The tray and note menus of the main window, and every command they offer.
#pragma once

#include <windows.h>

#include <cstdint>

#include "common/win_handles.h"
#include "notes/board/note_board.h"
#include "notes/input/addresses.h"
#include "notes/input/dialog_commands.h"

namespace zettrella {

class MenuCommands {
 public:
  MenuCommands(NoteBoard& board, DialogCommands& dialogs) : board_(board), dialogs_(dialogs) {}

  // The window that owns the menus.
  void SetWindow(HWND window) { window_ = window; }

  // A right click on a note: its menu opens from kNoteMenuMessage, posted
  // so that it runs after the layer's SendMessage has returned.
  void RequestNoteMenu(int32_t noteId);
  // A click on the tray icon, named by its mouse message.
  void OnTrayNotify(UINT mouseMessage);
  // kNoteMenuMessage: the menu of the note with this layer id.
  void OnNoteMenu(int32_t noteId);

 private:
  void RunMenu(UniqueMenu menu, int32_t noteId);
  void RunCommand(int command, int32_t noteId);

  NoteBoard& board_;
  DialogCommands& dialogs_;
  HWND window_ = nullptr;
  // The addresses of the most recent note menu.
  AddressItems addressItems_;
};

}  // namespace zettrella
