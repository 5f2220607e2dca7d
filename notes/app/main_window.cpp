// Start-up, desktop watch and shutdown of the main window, and its message
// table.
#include "notes/app/main_window.h"

#include <algorithm>
#include <cstdint>

#include "common/decimal.h"
#include "notes/app/command_line.h"
#include "notes/app/main_window_ids.h"
#include "notes/layer/vextal_binding.h"
#include "resources/zettrella_res.h"

namespace zettrella {

namespace {

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

// The screen's DPI, which the layer library also reads for its fonts.
int32_t ScreenDpi() {
  int32_t dpi = 0;
  if (HDC screen = GetDC(nullptr)) {
    dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  return dpi;
}

ScreenRect DesktopWindowRect() {
  RECT rect{};
  GetWindowRect(GetDesktopWindow(), &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

// What the delayed tray thread needs, copied so that it never reaches into
// the window after the window is gone.
struct TrayDelayParams {
  int32_t delaySeconds;
  NOTIFYICONDATAA icon;
  HANDLE stop;  // set at shutdown: the icon is not added any more
};

}  // namespace

MainWindow::MainWindow(AppContext& app)
    : ui::Dialog(IDD_NOTE_BOARD, nullptr),
      app_(app),
      profile_(app.IniPath),
      board_(profile_),
      input_(board_, kTrayMessage) {
  bigIcon_ = LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_ZETTRELLA));
  smallIcon_.reset(
      static_cast<HICON>(LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(IDI_ZETTRELLA), IMAGE_ICON, 16, 16, 0)));
  taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
}

MainWindow::~MainWindow() = default;

BOOL MainWindow::OnInitDialog() {
  HWND window = hwnd();
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  HICON small = GetSystemMetrics(SM_CYSMICON) >= 32 ? bigIcon_ : smallIcon_.get();
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));

  PublishWindowHandle();
  SetWindowPos(window, nullptr, -100, -100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

  trayIcon_.cbSize = NOTIFYICONDATAA_V1_SIZE;
  trayIcon_.hWnd = window;
  trayIcon_.hIcon = smallIcon_.get();
  trayIcon_.uID = kTrayIconId;
  trayIcon_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  trayIcon_.uCallbackMessage = kTrayMessage;
  lstrcpynA(trayIcon_.szTip, kTrayTip, sizeof trayIcon_.szTip);

  // A settings file that another program holds is waited for a while; one
  // that cannot be read even then is never written over: the run goes on
  // without it, and the next start finds every note it holds.
  (void)profile_.BeginLoading(kSettingsLockWaitMs);
  StartTrayIcon(board_.BeginLoad());
  board_.FinishLoad(DesktopWindowRect());
  profile_.EndLoading();

  input_.SetWindow(window);
  StartRunning();
  return TRUE;
}

// Loads the layer and shows every note, then the hot keys and the timer:
// the end of start-up, and the way back from a cancelled end of session.
void MainWindow::StartRunning() {
  board_.Start(std::make_unique<VextalBinding>(app_.ModuleDir, kLayerLibrary),
               static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd())), ScreenDpi());
  input_.RegisterHotKeys();
  tickCount_ = 0;
  timerId_ = SetTimer(hwnd(), kTimerId, kTimerPeriodMs, nullptr);
}

// The log-off or shutdown that released everything was cancelled (another
// program refused it, or the user did). Without this the program would live
// on with no note, tray icon or hot key, and its mutex would turn every new
// start away: the notes would be out of reach until it was killed.
void MainWindow::ResumeAfterCancelledEnd() {
  if (!shutDown_) return;
  shutDown_ = false;
  Shell_NotifyIconA(NIM_ADD, &trayIcon_);
  StartRunning();
}

void MainWindow::PublishWindowHandle() {
  app_.Store = std::make_unique<SharedValueStore>(kStoreName, true);
  const auto handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd()));
  app_.Store->SetValue(kStoreWindowKey, FormatDecimal(handle).c_str());
}

// After a start from the Startup folder the tray icon waits TrayDelay
// seconds, so that it does not get lost while the shell is still starting.
void MainWindow::StartTrayIcon(int32_t trayDelay) {
  if (IsStartupStart(app_.Arguments) && trayDelay > 0) {
    trayThreadStop_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    auto* params = new TrayDelayParams{trayDelay, trayIcon_, trayThreadStop_.get()};
    trayThread_.reset(CreateThread(nullptr, 0, &MainWindow::TrayDelayThread, params, 0, nullptr));
    if (trayThread_) return;
    delete params;
  }
  Shell_NotifyIconA(NIM_ADD, &trayIcon_);
}

DWORD WINAPI MainWindow::TrayDelayThread(void* param) {
  std::unique_ptr<TrayDelayParams> params(static_cast<TrayDelayParams*>(param));
  const uint64_t ms = static_cast<uint64_t>(params->delaySeconds) * 1000u;
  const DWORD wait = static_cast<DWORD>(std::min<uint64_t>(ms, INFINITE - 1));
  if (WaitForSingleObject(params->stop, wait) == WAIT_TIMEOUT) Shell_NotifyIconA(NIM_ADD, &params->icon);
  return 0;
}

void MainWindow::OnTimer() {
  ++tickCount_;
  if (tickCount_ % kDesktopCheckTicks != 0) return;
  // Changes that found the settings file held by another program.
  (void)board_.SavePending();
  board_.FollowDesktop(DesktopWindowRect());
}

// Runs on WM_DESTROY and on WM_QUERYENDSESSION, possibly both; the second
// run finds the layer released and leaves it alone.
void MainWindow::Shutdown() {
  shutDown_ = true;
  if (timerId_ != 0) {
    KillTimer(hwnd(), timerId_);
    timerId_ = 0;
  }
  board_.Release();
  input_.UnregisterHotKeys();
  if (trayThread_) {
    // A tray icon still waiting for its delay must not appear after the end.
    SetEvent(trayThreadStop_.get());
    WaitForSingleObject(trayThread_.get(), 2000);
    trayThread_.reset();
  }
  Shell_NotifyIconA(NIM_DELETE, &trayIcon_);
  SaveWaitingChanges();
}

// Nothing new is written at the end, but a change still waiting for the
// settings file (held by another program) is given a last chance to reach
// it, bounded so that the end is never held up for long.
void MainWindow::SaveWaitingChanges() {
  const DWORD start = GetTickCount();
  while (!board_.SavePending() && GetTickCount() - start < kPendingSaveWaitMs) Sleep(100);
}

void MainWindow::OnTaskbarCreated() {
  if (shutDown_) return;
  // An icon still waiting for its delay is added by its thread.
  if (trayThread_ && WaitForSingleObject(trayThread_.get(), 0) == WAIT_TIMEOUT) return;
  Shell_NotifyIconA(NIM_ADD, &trayIcon_);
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
  if (msg.message == WM_HOTKEY && msg.hwnd == hwnd()) return input_.OnHotKey(LOWORD(msg.wParam));
  return ui::Dialog::PreTranslateMessage(msg);
}

bool MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == taskbarCreatedMessage_ && message != 0) {
    OnTaskbarCreated();
    *result = 0;
    return true;
  }
  switch (message) {
    case kQuitMessage:
      // An open menu runs a loop of its own; close it so that the request
      // to end (from setup, say) is not held up until the user clicks.
      EndMenu();
      EndModal(0);
      *result = 0;
      return true;
    case WM_COPYDATA:
      *result = input_.OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      return true;
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
      Shutdown();
      return false;
    case kTrayMessage:
      *result = input_.OnTrayNotify(wParam, lParam);
      return true;
    case WM_QUERYENDSESSION:
      Shutdown();
      *result = TRUE;  // Windows may go on ending the session
      return true;
    case WM_ENDSESSION:
      // When the session really ends the process is ended after this
      // message, without WM_DESTROY: a change made since the query (an edit
      // confirmed in a dialog that was still open) and not yet on the disk
      // is saved now. A cancelled end brings everything back.
      if (wParam) {
        SaveWaitingChanges();
      } else {
        ResumeAfterCancelledEnd();
      }
      *result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace zettrella
