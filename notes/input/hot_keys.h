// The global hot keys Ctrl + Shift + key of one window, ids 0-3, and what
// they do to the board.
#pragma once

#include <windows.h>

#include "notes/board/note_board.h"

namespace zettrella {

class HotKeys {
 public:
  explicit HotKeys(NoteBoard& board) : board_(board) {}
  ~HotKeys() { Unregister(); }
  HotKeys(const HotKeys&) = delete;
  HotKeys& operator=(const HotKeys&) = delete;

  // Registers for window Ctrl + Shift + the keys named in the board's
  // settings, in place of any registered before. A name without a key
  // (empty, or not starting with an ASCII character) registers nothing; a
  // combination that Windows refuses (held by another program) simply stays
  // without effect.
  void Register(HWND window);
  // Unregisters ids 0-3 (ids never registered are harmless).
  void Unregister();
  // WM_HOTKEY; false for an id that is not ours.
  bool OnHotKey(int id);

 private:
  NoteBoard& board_;
  HWND window_ = nullptr;
};

}  // namespace zettrella
