// The shell's calls the note program makes: its tray icon and opening an
// address in the browser. shell32 (and the libraries it brings with it) is
// loaded at the first of them, not with the program: the notes are on the
// screen before it, the icon after them.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace zettrella {

// Shell_NotifyIconA; FALSE when the shell's library cannot be loaded.
BOOL ShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data);

// ShellExecuteA's "open" of a file or an address, shown normally.
void ShellOpen(const char* file);

}  // namespace zettrella
