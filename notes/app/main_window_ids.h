// The fixed numbers of the note program's main window.
#pragma once

#include <windows.h>

namespace zettrella {

// Posted by setup (or anyone) to end the program.
inline constexpr UINT kQuitMessage = WM_USER + 1;
// The tray icon's callback message; a note's context menu reuses it.
inline constexpr UINT kTrayMessage = WM_USER + 100;
// Both the tray icon's id and the timer's id.
inline constexpr UINT kTrayIconId = 0x73707437;
inline constexpr UINT_PTR kTimerId = 0x73707437;
inline constexpr UINT kTimerPeriodMs = 50;
// The desktop size is checked on every 20th tick, once a second.
inline constexpr int kDesktopCheckTicks = 20;
// How long start-up waits for a settings file that another program holds
// locked (a virus scanner or backup at log-on) before it runs without it.
inline constexpr DWORD kSettingsLockWaitMs = 5000;
// How long the end of the program keeps trying to save changes that are
// still waiting for the settings file.
inline constexpr DWORD kPendingSaveWaitMs = 2000;

// The single-instance mutex and the shared value store that publishes the
// main window.
inline constexpr char kMutexName[] = "zettrella";
inline constexpr char kStoreName[] = "Zettrella";
inline constexpr char kStoreWindowKey[] = "HWnd";
inline constexpr char kLayerLibrary[] = "vextal.dll";
inline constexpr char kTrayTip[] = "付箋";

}  // namespace zettrella
