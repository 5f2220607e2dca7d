// The notes' mouse actions: the layer library reports them to the main window
// as event records (WM_COPYDATA); a left press raises a note and starts a
// drag, moves drag it, the release saves its place, a right click asks for
// the note menu, a double click edits the note.
#pragma once

#include <windows.h>

#include <cstdint>

#include "notes/board/note_board.h"
#include "notes/input/dialog_commands.h"
#include "notes/input/menu_commands.h"

namespace zettrella {

class PointerEvents {
 public:
  // noteMenuMessage: what the window posts to itself, with the note's id and
  // WM_RBUTTONUP, to open a note's menu (the tray icon's callback message).
  PointerEvents(NoteBoard& board, MenuCommands& menus, DialogCommands& dialogs, UINT noteMenuMessage)
      : board_(board), menus_(menus), dialogs_(dialogs), noteMenuMessage_(noteMenuMessage) {}
  PointerEvents(const PointerEvents&) = delete;
  PointerEvents& operator=(const PointerEvents&) = delete;

  void SetWindow(HWND window) { window_ = window; }

  // A layer's event record (WM_COPYDATA). Returns 1, whatever it holds.
  LRESULT OnCopyData(const COPYDATASTRUCT* data);

 private:
  void OnRButtonUp(int32_t id);
  void OnDoubleClick(int32_t id);

  NoteBoard& board_;
  MenuCommands& menus_;
  DialogCommands& dialogs_;
  UINT noteMenuMessage_;
  HWND window_ = nullptr;
};

}  // namespace zettrella
