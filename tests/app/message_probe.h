// The marker message that a test posts to the note program to know that the
// message probe has seen its queue up to there.
#pragma once

#include <windows.h>

namespace zettrella::testing {

inline constexpr UINT kProbeMarker = WM_APP + 0x1234;

}  // namespace zettrella::testing
