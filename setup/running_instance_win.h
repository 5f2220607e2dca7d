// Finding and stopping a running note program, which publishes its main
// window in the shared value store "Zettrella".
#pragma once

#include <windows.h>

namespace zettrella::setup {

// The note program's main window ends the program on this message.
inline constexpr UINT kQuitRequestMessage = WM_USER + 1;

// When a note program runs, tells the user (a box owned by owner) and posts
// it the quit request. Does not wait for the program to end.
void StopRunningInstance(HWND owner);

}  // namespace zettrella::setup
