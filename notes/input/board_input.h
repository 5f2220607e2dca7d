// What the user does to the notes, turned into the board's operations, for
// the main window, which hands its messages to these parts: the layer's
// event records (pointer), the tray callback with both menus (menus), the
// global hot keys (hotKeys) and the commands that run a dialog (dialogs).
#pragma once

#include <windows.h>

#include "notes/board/note_board.h"
#include "notes/input/dialog_commands.h"
#include "notes/input/hot_keys.h"
#include "notes/input/menu_commands.h"
#include "notes/input/pointer_events.h"

namespace zettrella {

struct BoardInput {
  // noteMenuMessage: the tray icon's callback message, which also opens a
  // note's menu.
  BoardInput(NoteBoard& board, UINT noteMenuMessage)
      : hotKeys(board),
        dialogs(board, hotKeys),
        menus(board, dialogs),
        pointer(board, menus, dialogs, noteMenuMessage) {}

  // The window that owns the menus and dialogs and gets the hot keys.
  void SetWindow(HWND window) {
    dialogs.SetWindow(window);
    menus.SetWindow(window);
    pointer.SetWindow(window);
  }

  HotKeys hotKeys;
  DialogCommands dialogs;
  MenuCommands menus;
  PointerEvents pointer;
};

}  // namespace zettrella
