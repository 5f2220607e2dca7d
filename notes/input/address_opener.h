// What opens a web address chosen in the note menu.
#pragma once

#include <functional>
#include <string>

namespace zettrella {

// Opens one address. The main window holds one, so that tests can watch
// what would be opened without starting a browser.
using AddressOpener = std::function<void(const std::string& address)>;

// Hands the address to the shell's "open" verb (the user's browser). The
// extraction only yields addresses beginning "http://" or "https://", so
// no file or program is ever started this way.
void OpenWithShell(const std::string& address);

}  // namespace zettrella
