// Zettrella: sticky notes on the desktop. The start routine: one copy at a
// time, the program's paths, and the run of the main window.
#include <windows.h>

#include "notes/app/app_paths.h"
#include "notes/app/main_window.h"
#include "notes/app/main_window_ids.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  using namespace zettrella;
  // Held, never closed: the system releases it when the process ends.
  HANDLE mutex = CreateMutexA(nullptr, FALSE, kMutexName);
  if (!mutex) return 0;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    // A second copy ends silently and leaves the first alone.
    CloseHandle(mutex);
    return 0;
  }
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  ProgramPaths paths = ProgramPathsOf(std::string_view(path, length < MAX_PATH ? length : MAX_PATH), MAX_PATH);
  AppContext context;
  context.moduleDir = std::move(paths.moduleDir);
  context.iniPath = std::move(paths.iniPath);
  context.arguments = arguments ? arguments : "";
  MainWindow(context).RunModal();
  // The store's file goes only now, after the window is gone.
  context.store.reset();
  return 0;
}
