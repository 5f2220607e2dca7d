// Opening a web address through the shell.
#include "notes/input/address_opener.h"

#include <windows.h>
#include <shellapi.h>

namespace zettrella {

void OpenWithShell(const std::string& address) {
  ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace zettrella
