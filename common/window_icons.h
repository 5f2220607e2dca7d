// The icons of a program's window: the caption's and the tray's small icon
// are chosen by one rule for every program.
#pragma once

#include <windows.h>

#include "common/win_handles.h"

namespace zettrella {

// The icon resource at the system's small-icon size: 16 x 16 at 96 DPI,
// larger on a scaled screen.
UniqueIcon LoadSmallIcon(HINSTANCE instance, int resourceId);

// Gives a window its caption icons. Where the system's small icon is 32
// pixels or more, the big icon shows there: it is drawn for that size.
void SetCaptionIcons(HWND window, HICON big, HICON small);

}  // namespace zettrella
