// The commands that run a dialog: edit (from the menu or a double click),
// delete, settings and about. Each dialog runs modally with the main window
// as its owner; the note table is looked at again only after the dialog has
// ended, since a note may have changed or gone while it was open.
#pragma once

#include <windows.h>

#include <cstdint>

#include "notes/board/note_board.h"
#include "notes/input/hot_keys.h"

namespace zettrella {

class DialogCommands {
 public:
  // hotKeys follow changed settings.
  DialogCommands(NoteBoard& board, HotKeys& hotKeys) : board_(board), hotKeys_(hotKeys) {}

  // The owner of the dialogs.
  void SetWindow(HWND window) { window_ = window; }

  // On OK the note takes the edited values and is rebuilt with its priority.
  void Edit(int32_t noteId);
  void Delete(int32_t noteId);
  void ChangeSettings();
  void ShowAbout();

 private:
  NoteBoard& board_;
  HotKeys& hotKeys_;
  HWND window_ = nullptr;
};

}  // namespace zettrella
