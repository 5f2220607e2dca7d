// Runs the real main window in the test process, with the recording layer
// library and a private settings file, and drives it from a timer script:
// each step runs when the one before it is done, inside whatever message
// loop is running then (the board's, a menu's or a nested dialog's).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "notes/app/main_window.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {

// One item of a pop-up menu as the menu itself holds it.
struct MenuItem {
  UINT id = 0;
  bool separator = false;
  bool checked = false;
  std::string text;  // code page 932
};

std::vector<MenuItem> ReadMenu(HMENU menu);

// A step of the script: returns true when it is done, false to be asked
// again on the next tick.
using Step = std::function<bool()>;

class BoardHarness {
 public:
  // iniText is the settings file the board starts with (may be empty).
  explicit BoardHarness(const std::string& iniText = "");
  ~BoardHarness();
  BoardHarness(const BoardHarness&) = delete;
  BoardHarness& operator=(const BoardHarness&) = delete;

  // Runs the board until the script has run through (the board is then
  // sent the quit message) or timeoutMs has passed; false on the timeout.
  bool Run(std::vector<Step> steps, DWORD timeoutMs = 20000);
  // Every step ran (false when the board ended on its own before).
  bool scriptCompleted() const;

  NoteBoard& board() { return board_->board(); }
  MenuCommands& menus() { return board_->menus(); }
  HWND window() const { return board_->hwnd(); }
  const std::string& dir() const { return dir_.path(); }
  const std::string& iniPath() const { return app_.IniPath; }

  // Steps.
  Step Post(UINT message, WPARAM wParam, LPARAM lParam);
  Step OpenTrayMenu();
  // A right click on the note that has this id now (as the layer reports
  // it: an event record sent with WM_COPYDATA).
  Step OpenNoteMenu(std::function<int32_t()> id);
  Step OpenNoteMenuOfSlot(int slot);
  // Waits for a menu to open and records its items in lastMenu().
  Step WaitForMenu();
  // Chooses the item with this command id in the open menu with the keys.
  Step Choose(UINT command);
  // Closes the open menu without choosing anything.
  Step Dismiss();
  // Waits until the open menu has closed.
  Step WaitForMenuClosed();
  // A modal dialog of this thread other than the board, with its caption;
  // with besides, another one than the dialog it points to (read when the
  // step runs).
  Step WaitForDialog(const char* caption, const HWND* besides = nullptr);
  // Presses a push button of the open dialog found by WaitForDialog.
  Step PressButton(int id);
  Step Do(std::function<void()> action);
  Step WaitUntil(std::function<bool()> cond);

  const std::vector<MenuItem>& lastMenu() const { return lastMenu_; }
  HMENU lastMenuHandle() const { return lastMenuHandle_; }
  HWND lastDialog() const { return lastDialog_; }
  // WM_NULL messages taken from the queue for the board's window.
  int nullMessages() const { return nullMessages_; }

  // The calls the recording layer logged, one per line.
  std::vector<std::string> LayerCalls() const;
  // The calls since the last ClearLayerCalls.
  void ClearLayerCalls();
  std::string IniValue(const char* section, const char* key, const char* missing = "<missing>") const;
  bool IniHasSection(const char* section) const;

 private:
  static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
  static LRESULT CALLBACK CallWndHook(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam);
  void Tick();
  void Abort();

  TempDir dir_;
  AppContext app_;
  std::unique_ptr<MainWindow> board_;
  std::vector<Step> steps_;
  size_t next_ = 0;
  bool inTick_ = false;
  bool finished_ = false;
  DWORD deadline_ = 0;
  bool timedOut_ = false;
  HHOOK callHook_ = nullptr;
  HHOOK getHook_ = nullptr;
  bool menuOpen_ = false;
  HMENU openMenu_ = nullptr;
  HMENU lastMenuHandle_ = nullptr;
  std::vector<MenuItem> lastMenu_;
  HWND lastDialog_ = nullptr;
  int nullMessages_ = 0;
  size_t callsSeen_ = 0;
};

// A settings file line by line: Ini({"[System]", "Floating=On"}).
std::string Ini(std::initializer_list<const char*> lines);

// Reads "_name(args)=result" lines: true when some line starts with prefix.
bool HasCall(const std::vector<std::string>& calls, const std::string& prefix);
int CountCalls(const std::vector<std::string>& calls, const std::string& prefix);

}  // namespace zettrella::testing
