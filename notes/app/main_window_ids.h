// The fixed numbers of the note program's main window. What other programs
// share with it (the quit, tray and note menu messages, the store, the
// mutex) is in common/protocol.h.
#pragma once

#include <windows.h>

#include "common/protocol.h"

namespace zettrella {

static_assert(kQuitMessage == WM_USER + 1 && kTrayMessage == WM_USER + 100 && kNoteMenuMessage == WM_USER + 101);

// The timer's id is the tray icon's id.
inline constexpr UINT_PTR kTimerId = kTrayIconId;
// Once a second the desktop size is checked and waiting changes are saved.
inline constexpr UINT kTimerPeriodMs = 1000;
// How long start-up waits for a settings file that another program holds
// locked (a virus scanner or backup at log-on) before it runs without it.
inline constexpr DWORD kSettingsLockWaitMs = 5000;
// How long the end of the program keeps trying to save changes that are
// still waiting for the settings file (they are kept in the side file and
// merged at the next start): briefly while the session ends, for longer
// (past a scanner's short lock) when only the program ends, but never as
// long as setup waits for the program to end.
inline constexpr DWORD kPendingSaveWaitMs = 2000;
inline constexpr DWORD kPendingSaveLongWaitMs = kLastSaveTryMs;

inline constexpr char kLayerLibrary[] = "vextal.dll";
inline constexpr char kTrayTip[] = "付箋";

}  // namespace zettrella
