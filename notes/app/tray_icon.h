// The program's icon in the notification area: its NOTIFYICONDATAA, the
// add (at once or after a delay, on a thread of its own), the add again
// after the shell restarts, and the removal with its owner.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>

#include "common/win_handles.h"

namespace zettrella {

class TrayIcon {
 public:
  // window gets message (with id in wParam) for every click on the icon.
  TrayIcon(HWND window, UINT id, UINT message, HICON icon, const char* tip);
  // A delayed add that still waits never happens; the icon goes.
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Adds the icon, after delaySeconds when that is above 0 (a start from
  // the Startup folder, while the shell may still be starting).
  void Add(int32_t delaySeconds = 0);
  // The shell was restarted and lost the icon; an icon still waiting for
  // its delay is left to its thread.
  void AddAgain();

 private:
  NOTIFYICONDATAA data_{};
  UniqueKernelHandle thread_;
  UniqueKernelHandle stop_;
};

}  // namespace zettrella
