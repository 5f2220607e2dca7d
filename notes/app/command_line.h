// The program's command line.
#pragma once

#include <string_view>

namespace zettrella {

// True when the whole argument text is "-startup" in any mix of capitals:
// the program was started from the Startup folder.
bool IsStartupStart(std::string_view arguments);

}  // namespace zettrella
