// Start-up, desktop watch and shutdown of the main window, and its message
// table.
#include "notes/app/note_board_dialog.h"

#include <algorithm>
#include <cstdint>

#include "common/decimal.h"
#include "notes/app/command_line.h"
#include "notes/app/main_window_ids.h"
#include "resources/zettrella_res.h"

namespace zettrella {

namespace {

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

RECT DesktopWindowRect() {
  RECT rect{};
  GetWindowRect(GetDesktopWindow(), &rect);
  return rect;
}

// What the delayed tray thread needs, copied so that it never reaches into
// the window after the window is gone.
struct TrayDelayParams {
  int32_t delaySeconds;
  NOTIFYICONDATAA icon;
  HANDLE stop;  // set at shutdown: the icon is not added any more
};

}  // namespace

NoteBoardDialog::NoteBoardDialog(AppContext& app)
    : ui::Dialog(IDD_NOTE_BOARD, nullptr), app_(app), profile_(app.IniPath), settingsFile_(profile_) {
  bigIcon_ = LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_ZETTRELLA));
  smallIcon_.reset(
      static_cast<HICON>(LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(IDI_ZETTRELLA), IMAGE_ICON, 16, 16, 0)));
  taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
}

NoteBoardDialog::~NoteBoardDialog() = default;

BOOL NoteBoardDialog::OnInitDialog() {
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

  // A settings file that cannot be read is never written over: the run
  // goes on without it, and the next start finds every note it holds.
  (void)profile_.BeginLoading(kSettingsLockWaitMs);
  settings_.TrayDelay = settingsFile_.ReadTrayDelay();
  StartTrayIcon();

  desktopRect_ = DesktopWindowRect();
  settingsFile_.ReadSystem(&settings_);
  settingsFile_.ReadNotes(&notes_);
  profile_.EndLoading();

  StartLayer();

  tickCount_ = 0;
  timerId_ = SetTimer(window, kTimerId, kTimerPeriodMs, nullptr);
  return TRUE;
}

void NoteBoardDialog::PublishWindowHandle() {
  app_.Store = std::make_unique<SharedValueStore>(kStoreName, true);
  const auto handle = static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd()));
  app_.Store->SetValue(kStoreWindowKey, FormatDecimal(handle).c_str());
}

// After a start from the Startup folder the tray icon waits TrayDelay
// seconds, so that it does not get lost while the shell is still starting.
void NoteBoardDialog::StartTrayIcon() {
  if (IsStartupStart(app_.Arguments) && settings_.TrayDelay > 0) {
    trayThreadStop_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    auto* params = new TrayDelayParams{settings_.TrayDelay, trayIcon_, trayThreadStop_.get()};
    trayThread_.reset(CreateThread(nullptr, 0, &NoteBoardDialog::TrayDelayThread, params, 0, nullptr));
    if (trayThread_) return;
    delete params;
  }
  Shell_NotifyIconA(NIM_ADD, &trayIcon_);
}

DWORD WINAPI NoteBoardDialog::TrayDelayThread(void* param) {
  std::unique_ptr<TrayDelayParams> params(static_cast<TrayDelayParams*>(param));
  const uint64_t ms = static_cast<uint64_t>(params->delaySeconds) * 1000u;
  const DWORD wait = static_cast<DWORD>(std::min<uint64_t>(ms, INFINITE - 1));
  if (WaitForSingleObject(params->stop, wait) == WAIT_TIMEOUT) Shell_NotifyIconA(NIM_ADD, &params->icon);
  return 0;
}

void NoteBoardDialog::StartLayer() {
  binding_ = std::make_unique<VextalBinding>(app_.ModuleDir, kLayerLibrary);
  binding_->Floating(settings_.Floating);
  binding_->Attach(hwnd());
  dragging_ = 0;
  noteMenuPending_ = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    images_[slot].NoteBitmap = 0;
    if (notes_[slot].InUse) {
      notes_[slot].ID = kNoObject;
      DrawNote(slot, notes_[slot].Priority);
    }
  }
  // The sections are saved once every note is on the screen: each changed
  // section costs a rewrite of the whole settings file, and after a hand
  // edit or an update every section can have changed.
  profile_.BeginBatch();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (notes_[slot].InUse) settingsFile_.SaveNote(slot, notes_[slot]);
  }
  (void)profile_.EndBatch();
  RegisterAllHotKeys();
}

void NoteBoardDialog::OnTimer() {
  ++tickCount_;
  if (tickCount_ % kDesktopCheckTicks != 0) return;
  // Changes that found the settings file held by another program.
  if (profile_.HasPending()) (void)profile_.SavePending();
  const RECT now = DesktopWindowRect();
  if (now.right == desktopRect_.right && now.bottom == desktopRect_.bottom) return;
  desktopRect_.right = now.right;
  desktopRect_.bottom = now.bottom;
  if (binding_) binding_->UpdateDesktopSize();
}

void NoteBoardDialog::ReleaseLayer() {
  if (binding_) {
    for (NoteImage& image : images_) {
      if (image.NoteBitmap != 0) binding_->DeleteBitmap(image.NoteBitmap);
    }
    binding_->Unload();
    releasedBinding_ = std::move(binding_);
  }
  UnregisterAllHotKeys();
}

// Runs on WM_DESTROY and on WM_QUERYENDSESSION, possibly both; the second
// run finds the layer released and leaves it alone.
void NoteBoardDialog::Shutdown() {
  shutDown_ = true;
  if (timerId_ != 0) {
    KillTimer(hwnd(), timerId_);
    timerId_ = 0;
  }
  ReleaseLayer();
  if (trayThread_) {
    // A tray icon still waiting for its delay must not appear after the end.
    SetEvent(trayThreadStop_.get());
    WaitForSingleObject(trayThread_.get(), 2000);
    trayThread_.reset();
  }
  Shell_NotifyIconA(NIM_DELETE, &trayIcon_);
  // Nothing new is written at the end, but a change still waiting for the
  // settings file is given a last chance to reach it.
  const DWORD start = GetTickCount();
  while (!profile_.SavePending() && GetTickCount() - start < kPendingSaveWaitMs) Sleep(100);
}

void NoteBoardDialog::OnTaskbarCreated() {
  if (shutDown_) return;
  // An icon still waiting for its delay is added by its thread.
  if (trayThread_ && WaitForSingleObject(trayThread_.get(), 0) == WAIT_TIMEOUT) return;
  Shell_NotifyIconA(NIM_ADD, &trayIcon_);
}

void NoteBoardDialog::OnPaint() {
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

bool NoteBoardDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == taskbarCreatedMessage_ && message != 0) {
    OnTaskbarCreated();
    *result = 0;
    return true;
  }
  switch (message) {
    case kQuitMessage:
      EndModal(0);
      *result = 0;
      return true;
    case WM_COPYDATA:
      *result = OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
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
      *result = OnTrayNotify(wParam, lParam);
      return true;
    case WM_QUERYENDSESSION:
      Shutdown();
      *result = TRUE;  // Windows may go on ending the session
      return true;
    default:
      return false;
  }
}

}  // namespace zettrella
