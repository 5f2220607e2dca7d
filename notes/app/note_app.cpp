// Start routine of the note program.
#include "notes/app/note_app.h"

#include "notes/app/app_paths.h"
#include "notes/app/main_window_ids.h"

namespace zettrella {

void NoteApp::Run(const char* arguments) {
  // Held, never closed: the system releases it when the process ends.
  HANDLE mutex = CreateMutexA(nullptr, FALSE, kMutexName);
  if (!mutex) return;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    // A second copy ends silently and leaves the first alone.
    CloseHandle(mutex);
    return;
  }
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  ProgramPaths paths = ProgramPathsOf(std::string_view(path, length < MAX_PATH ? length : MAX_PATH), MAX_PATH);
  context_.ModuleDir = std::move(paths.ModuleDir);
  context_.IniPath = std::move(paths.IniPath);
  context_.Arguments = arguments ? arguments : "";
  MainWindow(context_).RunModal();
  // The store's file goes only now, after the window is gone.
  context_.Store.reset();
}

}  // namespace zettrella
