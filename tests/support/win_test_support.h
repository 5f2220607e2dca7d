// The one harness of the tests that run under Wine: waiting for a condition
// while pumping messages, private temporary folders, files, child processes,
// the recording layer's call log, the settings file, event records, screen
// pixels and an import swapped for a catch; dialogs
// found, driven from inside their own loop, their controls set and read;
// setup.exe run from a sandbox; and the real main window driven by a script
// of steps (tests/README.md tells which part a test wants).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zettrella {
class MainWindow;
struct AppContext;
struct Note;
namespace ui {
class Dialog;
}
}  // namespace zettrella

namespace zettrella::testing {

// Pumps this thread's messages until cond() is true or timeoutMs has passed.
// Returns cond()'s last value. Tests wait with this, never with a fixed sleep.
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 10000);

// Pumps whatever is queued now, without waiting.
void PumpPending();

// The folder of the running test program, without a trailing backslash.
std::string ExeDir();

// A new empty folder below %TEMP%, removed with everything in it by the
// destructor.
class TempDir {
 public:
  explicit TempDir(const std::string& prefix = "zt");
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

void RemoveTree(const std::string& path);
bool FileExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
void CopyFileOrFail(const std::string& from, const std::string& to);
// The lines of text, each without its line end (CR LF or LF).
std::vector<std::string> SplitLines(const std::string& text);

// The recording stand-in of the layer library (built beside the tests, in a
// folder of its own) appends every call it gets as one line to this file, in
// the folder of the program that loaded it.
std::string RecordingLayerPath();
inline constexpr char kCallLogName[] = "vextal-calls.log";
// The calls logged in folder, in order.
std::vector<std::string> ReadCallLog(const std::string& folder);

// A value of the settings file at path as its bytes stand on disk: from the
// first line "key=" in the section "[section]", both names as written;
// missing when there is none.
std::string SettingsValue(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& missing = "<missing>");

// An event record as the layer library sends it: the event's name, the
// object's id and the pointer's position, each line ended by CR LF.
std::string Record(const std::string& name, int id, int x, int y);

// A settings file line by line: Ini({"[System]", "Floating=On"}).
std::string Ini(std::initializer_list<const char*> lines);

// Reads "_name(args)=result" lines: true when some line starts with prefix.
bool HasCall(const std::vector<std::string>& calls, const std::string& prefix);
int CountCalls(const std::vector<std::string>& calls, const std::string& prefix);

// A child process started with CreateProcessA; killed by the destructor if
// it still runs.
class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // commandLine is passed as is; workDir may be empty; environment is a
  // block for CreateProcessA, or null for this process's environment.
  bool Start(const std::string& commandLine, const std::string& workDir = "", const char* environment = nullptr);
  // Starts exe with the environment of this process, but USERPROFILE set to
  // userProfile, or removed when it is nullopt.
  bool StartWithProfile(const std::string& exe, const std::optional<std::string>& userProfile);
  // Waits up to timeoutMs; true when the process has ended.
  bool Wait(DWORD timeoutMs);
  bool Running() const;
  DWORD ExitCode() const;
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  void Kill();

 private:
  PROCESS_INFORMATION info_{};
};

// Points module's import of dll's function name at to, so that the module's
// calls of it reach to; returns what the import pointed at before, or null
// when the module does not import that function.
FARPROC SwapImport(HMODULE module, const char* dll, const char* name, FARPROC to);

// Top-level windows of a process whose class name is className (any class
// when empty), visible or not.
std::vector<HWND> WindowsOfProcess(DWORD processId, const std::string& className = "");

std::string WindowText(HWND window);
// True when window has a child whose text is text.
bool HasChildWithText(HWND window, const std::string& text);

// Dialogs, of this process or another.

// A message box is a dialog whose caption is empty.
inline constexpr char kMessageBox[] = "";
// A visible dialog (a message box too) of the process whose caption is
// caption (any caption when null), other than those in except; null when
// there is none.
HWND FindDialog(DWORD processId, const char* caption, std::initializer_list<HWND> except = {});
HWND WaitForDialog(DWORD processId, const char* caption, DWORD timeoutMs = 20000);
// Clicks a button of a dialog. Posted, so that a handler that opens a modal
// box does not block the caller.
void PressButton(HWND dialog, int id);
// Clicks a button of a dialog and returns when its handler has (sent
// BM_CLICK, for an action running inside the dialog's own loop).
void Click(HWND dialog, int id);
// Types text into an edit, or into a combo box's edit field, in place of
// what it held, character by character as the keyboard would.
void Type(HWND dialog, int id, const std::string& text);
std::string ControlText(HWND dialog, int id);
// The texts of a combo box's list, in order.
std::vector<std::string> ComboItems(HWND combo);
bool Checked(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
// A key pressed and released, posted to target as the keyboard sends it.
void PostKey(HWND target, WORD virtualKey);
// Pointer input through the system, as the mouse sends it; with
// MOUSEEVENTF_MOVE, to (x, y) in screen pixels.
void SendMouse(DWORD flags, int x = 0, int y = 0);

// Runs dialog modally in this thread and calls act(dialog window) once, as
// soon as the dialog is visible and in front; act sets controls and presses
// buttons or keys as a user would. If the dialog is still open 20 seconds
// after that, it is cancelled and the test fails. Returns RunModal's result.
INT_PTR RunDriven(ui::Dialog& dialog, const std::function<void(HWND)>& act);

// Pixels of a screen area as 0x00RRGGBB, row after row.
struct ScreenShot {
  int32_t left = 0, top = 0, width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[size_t(y) * width + x] & 0xFFFFFF; }
};
ScreenShot CaptureScreen(const RECT& area);

// Saves a picture of the window, as it is on the screen, to
// <ZETTRELLA_SCREENSHOTS>\<name>.bmp when that variable names a folder;
// does nothing otherwise.
void SaveScreenshot(HWND window, const std::string& name);

// setup.exe, run from a folder and a user profile of its own.

// Texts as setup shows them (code page 932, like this program's literals).
inline constexpr char kSetupCaption[] = "Zettrella セットアップ";
inline constexpr char kShortcutName[] = "付箋.lnk";
inline constexpr char kQuickLaunchFolder[] = "Application Data\\Microsoft\\Internet Explorer\\Quick Launch";
inline constexpr char kStartupFolder[] = "スタート メニュー\\プログラム\\スタートアップ";

// Creates path and every missing folder above it.
void CreateFolders(const std::string& path);

// The shortcut folders a sandbox's profile starts with.
enum class ShortcutFolders { kNone, kQuickLaunch, kStartup, kBoth };

// A copy of setup.exe in a temporary folder, optionally with the stand-in of
// the note program beside it, and a temporary user profile.
class SetupSandbox {
 public:
  explicit SetupSandbox(bool withNoteProgram, ShortcutFolders folders = ShortcutFolders::kNone);
  const std::string& setupDir() const { return setupDir_.path(); }
  const std::string& profileDir() const { return profile_.path(); }
  std::string setupExe() const { return setupDir_.File("setup.exe"); }
  std::string targetPath() const { return setupDir_.File("Zettrella.exe"); }
  std::string settingsFile() const { return setupDir_.File("Zettrella.ini"); }
  std::string quickLaunchDir() const { return profile_.File(kQuickLaunchFolder); }
  std::string startupDir() const { return profile_.File(kStartupFolder); }
  std::string quickLaunchShortcut() const { return quickLaunchDir() + "\\" + kShortcutName; }
  std::string startupShortcut() const { return startupDir() + "\\" + kShortcutName; }
  // Starts the sandbox's setup.exe as setup with its profile and waits for
  // its dialog; null when it does not come.
  HWND StartSetup(ChildProcess& setup) const;

 private:
  TempDir setupDir_{"zts"};
  TempDir profile_{"ztp"};
};

// Ticks "アンインストール" in setup's dialog, presses OK and waits for the
// question that follows; null when it does not come.
HWND StartUninstall(DWORD pid, HWND dialog);

// Starts setupExe with userProfile, waits for its dialog, presses OK and
// waits for setup to end. False if any step fails.
bool RunSetupAndPressOk(const std::string& setupExe, const std::string& userProfile);

// What a shell link file holds, read back through IShellLinkA.
struct ShortcutContent {
  bool loaded = false;
  std::string path;
  std::string arguments;
  std::string description;
};
ShortcutContent ReadShortcut(const std::string& file);

// The real main window, run in this process with the recording layer
// library and a private settings file.

// One item of a pop-up menu as the menu itself holds it.
struct MenuItem {
  UINT id = 0;
  bool separator = false;
  bool checked = false;
  std::string text;  // code page 932
};

std::vector<MenuItem> ReadMenu(HMENU menu);
// Menus written as lines for comparison: "16 text", "26 text [x]" for a
// checked item, "---" for a separator.
std::vector<std::string> MenuLines(const std::vector<MenuItem>& items);

// A step of a BoardHarness script: returns true when it is done, false to be
// asked again on the next tick.
using Step = std::function<bool()>;

// Drives the main window from a timer script: each step runs when the one
// before it is done, inside whatever message loop is running then (the
// board's, a menu's or a nested dialog's).
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

  HWND window() const;
  const std::string& dir() const { return dir_.path(); }
  const std::string& iniPath() const;

  // Steps.
  Step Post(UINT message, WPARAM wParam, LPARAM lParam);
  // A click on the slot's note (the layer's button down and up records),
  // which brings it to the front: the priority the layer is then given,
  // the board's next one, into *priority. The note keeps that priority.
  Step ClickNoteOfSlot(int slot, int32_t* priority);
  // The tray menu, or the note menu of a slot or of the note that has this
  // id when the step runs (opened by a right click as the layer reports it),
  // opened and read into lastMenu(); then the item of this command is
  // chosen with the keys, or the menu is closed with Esc. Each step is done
  // once the menu has closed.
  Step TrayCommand(UINT command);
  Step NoteCommand(int slot, UINT command);
  Step NoteCommand(std::function<int32_t()> id, UINT command);
  Step TrayMenuDismissed();
  Step NoteMenuDismissed(int slot);
  // A modal dialog of this thread other than the board, with its caption;
  // with besides, another one than the dialog it points to (read when the
  // step runs).
  Step WaitForDialog(const char* caption, const HWND* besides = nullptr);
  // Presses a push button of the open dialog found by WaitForDialog.
  Step PressButton(int id);
  // Forgets the layer calls so far (see LayerCalls); with fileBefore, keeps
  // the settings file's bytes as they are now.
  Step ClearCalls(std::string* fileBefore = nullptr);
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
  // The slot's note as the board last saved it, read from its section of
  // the settings file; inUse when the section holds the note's ID.
  Note SavedNote(int slot) const;
  // The addresses the board asked the shell to open (ShellExecuteA's verb
  // "open"), caught at the look-up of the call so that no browser starts.
  const std::vector<std::string>& shellOpened() const { return shellOpened_; }
  // What the look-up of ShellExecuteA gives while the board runs.
  static FARPROC ShellCatch();

 private:
  static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
  static LRESULT CALLBACK CallWndHook(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam);
  // Steps run in order as one step, done when the last is.
  static Step InTurn(std::vector<Step> steps);
  Step OpenTrayMenu();
  Step OpenNoteMenu(std::function<int32_t()> id);
  // The id of the slot's note when asked, as the settings file holds it.
  std::function<int32_t()> IdOfSlot(int slot);
  // Waits for a menu to open and records its items in lastMenu().
  Step WaitForMenu();
  // Chooses the item with this command id in the open menu with the keys.
  Step Choose(UINT command);
  Step Dismiss();
  Step WaitForMenuClosed();
  static HINSTANCE WINAPI CatchShellExecute(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT);
  void Tick();
  void Abort();
  // An event record sent as the layer sends it, with WM_COPYDATA.
  void SendRecord(const std::string& record);

  TempDir dir_;
  std::unique_ptr<AppContext> app_;
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
  std::vector<std::string> shellOpened_;
};

}  // namespace zettrella::testing
