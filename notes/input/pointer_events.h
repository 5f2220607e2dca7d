// The notes' mouse actions: the layer library reports them to the main window
// as event records (WM_COPYDATA); a left press raises a note and starts a
// drag, moves drag it, the release saves its place, a right click asks for
// the note menu, a double click edits the note.
#pragma once

#include <windows.h>

#include "notes/board/note_board.h"
#include "notes/input/dialog_commands.h"
#include "notes/input/menu_commands.h"

namespace zettrella {

class PointerEvents {
 public:
  PointerEvents(NoteBoard& board, MenuCommands& menus, DialogCommands& dialogs)
      : board_(board), menus_(menus), dialogs_(dialogs) {}

  // A layer's event record (WM_COPYDATA). Returns 1, whatever it holds.
  LRESULT OnCopyData(const COPYDATASTRUCT& data);

 private:
  NoteBoard& board_;
  MenuCommands& menus_;
  DialogCommands& dialogs_;
};

}  // namespace zettrella
