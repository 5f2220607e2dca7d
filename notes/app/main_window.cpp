// Start-up, desktop watch and shutdown of the main window, and its message
// table, which unpacks each message's parameters for a typed handler.
#include "notes/app/main_window.h"

#include <cstdint>

#include "common/ascii.h"
#include "common/decimal.h"
#include "common/win_rect.h"
#include "common/window_icons.h"
#include "notes/app/main_window_ids.h"
#include "notes/layer/vextal_binding.h"
#include "resources/zettrella_res.h"

namespace zettrella {

namespace {

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

// The screen's DPI, which the layer library also reads for its fonts.
int32_t ScreenDpi() {
  const WindowDc screen(nullptr);
  return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
}

ScreenRect DesktopWindowRect() {
  RECT rect{};
  GetWindowRect(GetDesktopWindow(), &rect);
  return FromRect(rect);
}

}  // namespace

MainWindow::MainWindow(AppContext& app)
    : ui::Dialog(IDD_NOTE_BOARD, nullptr),
      app_(app),
      profile_(app.iniPath),
      board_(profile_),
      hotKeys_(board_),
      dialogs_(board_, hotKeys_),
      menus_(board_, dialogs_),
      pointer_(board_, menus_, dialogs_) {
  bigIcon_ = LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_ZETTRELLA));
  smallIcon_ = LoadSmallIcon(ProgramInstance(), IDI_ZETTRELLA);
  taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
}

BOOL MainWindow::OnInitDialog() {
  HWND window = hwnd();
  // The handle is published for the programs that drive the notes from outside.
  app_.store = std::make_unique<SharedValueStore>(kStoreName, true);
  app_.store->SetValue(kStoreWindowKey, FormatDecimal(WindowId(window)).c_str());

  // A settings file that another program holds is waited for a while; one
  // that cannot be read even then is never written over: the run goes on
  // without it, and the timer tries it again.
  (void)profile_.BeginLoading(kSettingsLockWaitMs);
  board_.Load(DesktopWindowRect());
  profile_.EndLoading();

  dialogs_.SetWindow(window);
  menus_.SetWindow(window);
  // After a start from the Startup folder the icon waits TrayDelay seconds,
  // so that it does not get lost while the shell is still starting.
  StartRunning(EqualsIgnoringAsciiCase(app_.arguments, kStartupArgument) ? board_.settings().trayDelay : 0);

  // The window itself is never seen: shown off the screen, after the notes,
  // since placing it costs as much as a note.
  SetCaptionIcons(window, bigIcon_, smallIcon_.get());
  SetWindowPos(window, nullptr, -100, -100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  return TRUE;
}

// Loads the layer and shows every note, then the tray icon (shown after
// trayDelaySeconds when that is above 0), the hot keys and the timer: the end
// of start-up, and the way back from a cancelled end of session. The notes
// come first, so that they are on the screen as soon as they can be.
void MainWindow::StartRunning(int32_t trayDelaySeconds) {
  board_.Start(std::make_unique<VextalBinding>(app_.moduleDir, kLayerLibrary), WindowId(hwnd()), ScreenDpi());
  trayIcon_.emplace(hwnd(), kTrayIconId, kTrayMessage, smallIcon_.get(), kTrayTip);
  trayIcon_->Add(trayDelaySeconds);
  hotKeys_.Register(hwnd());
  SetTimer(hwnd(), kTimerId, kTimerPeriodMs, nullptr);
}

// The log-off or shutdown that released everything was cancelled (another
// program refused it, or the user did). Without this the program would live
// on with no note, tray icon or hot key, and its mutex would turn every new
// start away: the notes would be out of reach until it was killed.
void MainWindow::ResumeAfterCancelledEnd() {
  if (!shutDown_) return;
  shutDown_ = false;
  StartRunning(0);
}

void MainWindow::OnTimer() {
  // A settings file held by another program since start-up.
  if (profile_.RetryLoading()) {
    board_.ReadStored();
    profile_.EndLoading();
    board_.ShowStored();
    hotKeys_.Register(hwnd());
  }
  // Changes that found the settings file held by another program.
  (void)profile_.SavePending();
  board_.FollowDesktop(DesktopWindowRect());
}

// Runs on WM_DESTROY and on WM_QUERYENDSESSION, possibly both; the second
// run finds the layer released and leaves it alone.
void MainWindow::Shutdown(DWORD saveWaitMs) {
  shutDown_ = true;
  KillTimer(hwnd(), kTimerId);
  board_.Release();
  hotKeys_.Unregister();
  // The icon goes with its owner; one still waiting for its delay never
  // appears.
  trayIcon_.reset();
  SaveWaitingChanges(saveWaitMs);
}

// Nothing new is written at the end, but a change still waiting for the
// settings file (held by another program) is given a last chance to reach
// it, bounded so that the end is never held up for long.
void MainWindow::SaveWaitingChanges(DWORD waitMs) {
  // A file never read in this run cannot be written: its changes wait in
  // the side file for the next start.
  if (!profile_.loaded()) {
    (void)profile_.SavePending();
    return;
  }
  const DWORD start = GetTickCount();
  while (!profile_.SavePending() && GetTickCount() - start < waitMs) Sleep(100);
}

// When the session really ends the process is ended after this message,
// without WM_DESTROY: a change made since the query (an edit confirmed in a
// dialog that was still open) and not yet on the disk is saved now. A
// cancelled end brings everything back. The Restart Manager (an installer,
// an update) closes programs while the session goes on (closeApp): the
// program then ends, releasing its mutex so that it can be started again.
void MainWindow::OnEndSession(bool ending, bool closeApp) {
  if (ending && closeApp) {
    SaveWaitingChanges(kPendingSaveLongWaitMs);
    PostMessageA(hwnd(), kQuitMessage, 0, 0);
  } else if (ending) {
    SaveWaitingChanges(kPendingSaveWaitMs);
  } else {
    ResumeAfterCancelledEnd();
  }
}

void MainWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(hwnd(), &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, bigIcon_);
  EndPaint(hwnd(), &paint);
}

// WM_HOTKEY is taken here, before dispatching, so that it works while a
// menu's dialog or any other nested dialog runs.
bool MainWindow::PreTranslateMessage(MSG& msg) {
  if (msg.message == WM_HOTKEY && msg.hwnd == hwnd()) return hotKeys_.OnHotKey(LOWORD(msg.wParam));
  return ui::Dialog::PreTranslateMessage(msg);
}

// The message table: each message's parameters are unpacked here, once, and
// handed to its handler as typed values.
bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  // The shell (and its notification area) was restarted and lost the icon.
  if (message == taskbarCreatedMessage_ && message != 0) {
    if (!shutDown_ && trayIcon_) trayIcon_->AddAgain();
    return true;
  }
  switch (message) {
    case kQuitMessage:
      // An open menu runs a loop of its own; close it so that the request
      // to end (from setup, say) is not held up until the user clicks.
      EndMenu();
      EndModal(0);
      return true;
    case WM_COPYDATA: {
      // A record without data is answered as an empty one.
      static constexpr COPYDATASTRUCT kNoRecord{};
      const auto* record = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      *result = pointer_.OnCopyData(record ? *record : kNoRecord);
      return true;
    }
    case WM_PAINT:
      if (!IsIconic(hwnd())) return false;
      OnPaint();
      return true;
    case WM_QUERYDRAGICON:
      *result = reinterpret_cast<LRESULT>(bigIcon_);
      return true;
    case WM_TIMER:
      OnTimer();
      return true;
    case WM_DESTROY:
      Shutdown(kPendingSaveLongWaitMs);
      return false;
    case kTrayMessage:
      menus_.OnTrayNotify(static_cast<UINT>(lParam));
      return true;
    case kNoteMenuMessage:
      menus_.OnNoteMenu(static_cast<int32_t>(wParam));
      return true;
    case WM_QUERYENDSESSION:
      Shutdown(kPendingSaveWaitMs);
      *result = TRUE;  // Windows may go on ending the session
      return true;
    case WM_ENDSESSION:
      OnEndSession(wParam != FALSE, (lParam & ENDSESSION_CLOSEAPP) != 0);
      return true;
    default:
      return false;
  }
}

}  // namespace zettrella
