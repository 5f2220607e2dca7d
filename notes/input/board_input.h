// What the user does to the notes, turned into the board's operations: the
// layer's event records (pointer_events.cpp), the tray and note menus and
// their commands (menu_commands.cpp, dialog_commands.cpp) and the global hot
// keys (hot_keys.cpp). The main window hands its messages over.
#pragma once

#include <windows.h>

#include <cstdint>

#include "notes/board/note_board.h"
#include "notes/input/address_opener.h"
#include "notes/input/addresses.h"
#include "notes/input/hot_keys.h"

namespace zettrella {

class BoardInput {
 public:
  // noteMenuMessage: what the window posts to itself, with the note's id and
  // WM_RBUTTONUP, to open a note's menu (the tray icon's callback message).
  BoardInput(NoteBoard& board, UINT noteMenuMessage);
  BoardInput(const BoardInput&) = delete;
  BoardInput& operator=(const BoardInput&) = delete;

  // The window that owns the menus and dialogs and gets the hot keys.
  void SetWindow(HWND window) { window_ = window; }

  // A layer's event record (WM_COPYDATA). Returns 1, whatever it holds.
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  // The tray icon's callback message.
  LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
  // WM_HOTKEY; false for an id that is not ours.
  bool OnHotKey(int id);

  // Ctrl + Shift + the keys named in the settings, ids 0-3.
  void RegisterHotKeys();
  void UnregisterHotKeys();

  // What opens an address chosen in the note menu; the shell by default.
  void SetAddressOpener(AddressOpener opener);
  const AddressItems& addressItems() const { return addressItems_; }

 private:
  void OnNoteLButtonDown(int32_t id, int32_t x, int32_t y);
  void OnNoteRButtonUp(int32_t id);
  void OnNoteDoubleClick(int32_t id);

  void RunMenu(int32_t noteId);
  void RunCommand(int command, int32_t noteId);
  // Runs the edit dialog for a slot; on OK the note takes the edited values
  // and is rebuilt with its priority.
  void EditNote(int slot);
  void EditNoteOfId(int32_t noteId);
  void DeleteNote(int32_t noteId);
  void ChangeSettings();
  void ShowAbout();
  void OpenAddress(int index);

  NoteBoard& board_;
  HWND window_ = nullptr;
  UINT noteMenuMessage_;
  // A right click on a note asked for its menu.
  bool noteMenuPending_ = false;
  // The addresses of the most recent note menu.
  AddressItems addressItems_;
  AddressOpener openAddress_ = OpenWithShell;
  HotKeyRegistrations hotKeys_;
};

}  // namespace zettrella
