// The note program's main window: a tiny hidden dialog that owns the
// settings file's profile, the note board, the input handlers, the tray icon
// and the timer. It runs start-up in order (OnInitDialog, StartRunning), then
// turns its messages into calls: the timer, the tray callback, the layer's
// event records, the hot keys, and the quit and end-of-session messages.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "common/dialog.h"
#include "common/shared_value_store.h"
#include "common/win_handles.h"
#include "notes/app/tray_icon.h"
#include "notes/board/note_board.h"
#include "notes/input/dialog_commands.h"
#include "notes/input/hot_keys.h"
#include "notes/input/menu_commands.h"
#include "notes/input/pointer_events.h"
#include "notes/model/ini_profile.h"

namespace zettrella {

// What the start routine hands the main window.
struct AppContext {
  std::string moduleDir;  // where vextal.dll lies
  std::string iniPath;    // the settings file
  std::string arguments;  // the command line after the program name
  // The published store; owned here so that it outlives the window and is
  // deleted only when the modal loop has returned.
  std::unique_ptr<SharedValueStore> store;
};

class MainWindow : public ui::Dialog {
 public:
  explicit MainWindow(AppContext& app);

 protected:
  bool PreTranslateMessage(MSG& msg) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  BOOL OnInitDialog() override;
  // Enter and Escape never end the hidden window.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  void StartRunning(int32_t trayDelaySeconds);
  void Shutdown(DWORD saveWaitMs);
  void SaveWaitingChanges(DWORD waitMs);
  void ResumeAfterCancelledEnd();
  void OnTimer();
  void OnPaint();
  void OnEndSession(bool ending, bool closeApp);

  AppContext& app_;
  // The settings file, declared before the board that reads and saves it.
  IniProfile profile_;
  // What the user does to the notes, declared after the board it works on
  // and each part after those it calls.
  NoteBoard board_;
  HotKeys hotKeys_;
  DialogCommands dialogs_;
  MenuCommands menus_;
  PointerEvents pointer_;

  HICON bigIcon_ = nullptr;  // shared icon, not destroyed
  UniqueIcon smallIcon_;
  // Shown at start-up and after a cancelled end of session, gone at the end.
  std::optional<TrayIcon> trayIcon_;
  UINT taskbarCreatedMessage_ = 0;
  bool shutDown_ = false;
};

}  // namespace zettrella
