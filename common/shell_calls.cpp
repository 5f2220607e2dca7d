// shell32 loaded on first use, from the system folder only.
#include "common/shell_calls.h"

#include <string>

namespace zettrella {

namespace {

HMODULE Shell() {
  // Loaded once (a static's initialisation is thread safe: the tray icon's
  // delay thread may come first) and kept for the life of the process.
  static const HMODULE shell = [] {
    char dir[MAX_PATH];
    const UINT length = GetSystemDirectoryA(dir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return HMODULE{};
    return LoadLibraryA((std::string(dir, length) + "\\shell32.dll").c_str());
  }();
  return shell;
}

// Looked up on every call rather than kept: a call is rare, and the lookup
// is what a test of the program replaces to see the call.
template <typename Function>
Function ShellFunction(const char* name) {
  const HMODULE shell = Shell();
  return shell ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(shell, name))) : nullptr;
}

}  // namespace

BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  const auto notify = ShellFunction<decltype(&Shell_NotifyIconA)>("Shell_NotifyIconA");
  return notify ? notify(message, data) : FALSE;
}

void ShellOpen(const char* file) {
  const auto execute = ShellFunction<decltype(&ShellExecuteA)>("ShellExecuteA");
  if (execute) execute(nullptr, "open", file, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace zettrella
