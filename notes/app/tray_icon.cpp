// The notification area icon.
#include "notes/app/tray_icon.h"

#include <algorithm>
#include <memory>

#include "common/shell_calls.h"

namespace zettrella {

namespace {

// What the delay thread needs, copied so that it never reaches into the
// owner after the owner is gone.
struct DelayParams {
  int32_t delaySeconds;
  NOTIFYICONDATAA icon;
  HANDLE stop;  // set at removal: the icon is not added any more
};

DWORD WINAPI DelayThread(void* param) {
  std::unique_ptr<DelayParams> params(static_cast<DelayParams*>(param));
  const uint64_t ms = static_cast<uint64_t>(params->delaySeconds) * 1000u;
  const DWORD wait = static_cast<DWORD>(std::min<uint64_t>(ms, INFINITE - 1));
  if (WaitForSingleObject(params->stop, wait) == WAIT_TIMEOUT) ShellNotifyIcon(NIM_ADD, &params->icon);
  return 0;
}

}  // namespace

TrayIcon::TrayIcon(HWND window, UINT id, UINT message, HICON icon, const char* tip) {
  data_.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data_.hWnd = window;
  data_.hIcon = icon;
  data_.uID = id;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = message;
  lstrcpynA(data_.szTip, tip, sizeof data_.szTip);
}

void TrayIcon::Add(int32_t delaySeconds) {
  if (delaySeconds > 0 && !thread_) {
    stop_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    auto* params = new DelayParams{delaySeconds, data_, stop_.get()};
    thread_.reset(CreateThread(nullptr, 0, &DelayThread, params, 0, nullptr));
    if (thread_) return;
    delete params;
  }
  ShellNotifyIcon(NIM_ADD, &data_);
}

void TrayIcon::AddAgain() {
  if (thread_ && WaitForSingleObject(thread_.get(), 0) == WAIT_TIMEOUT) return;
  ShellNotifyIcon(NIM_ADD, &data_);
}

TrayIcon::~TrayIcon() {
  if (thread_) {
    SetEvent(stop_.get());
    WaitForSingleObject(thread_.get(), 2000);
  }
  ShellNotifyIcon(NIM_DELETE, &data_);
}

}  // namespace zettrella
