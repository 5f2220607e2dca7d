// Finding and stopping a running note program, which publishes its main
// window in its shared value store (common/protocol.h).
#pragma once

#include <windows.h>

#include "common/protocol.h"

namespace zettrella::setup {

// How long setup waits for the note program to end after asking it to:
// longer than the program's last try to save (common/protocol.h).
inline constexpr DWORD kStopTimeoutMs = kStopWaitMs;

// When a note program runs, tells the user (a box owned by owner), posts it
// the quit request and waits, up to kStopTimeoutMs, until its process has
// ended. True when no note program runs any more. False when it still runs:
// the user has been told so (a second box), and setup must change nothing,
// because the program may still write its settings file.
[[nodiscard]] bool StopRunningInstance(HWND owner);

// True while a note program runs: it holds its mutex (a copy that cannot
// publish its window, with TEMP unusable, holds it too) or publishes its
// window. Asked right before setup deletes what the program may write.
[[nodiscard]] bool NoteProgramRuns();

}  // namespace zettrella::setup
