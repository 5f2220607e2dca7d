// Start routine of the note program.
#include "notes/app/note_app.h"

#include "notes/app/app_paths.h"
#include "notes/app/main_window_ids.h"

namespace zettrella {

NoteApp::NoteApp() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  context_.ModuleDir = ModuleDirOf(path);
  context_.IniPath = IniPathOf(path);
}

void NoteApp::Run(const char* arguments) {
  mutex_ = CreateMutexA(nullptr, FALSE, kMutexName);
  if (!mutex_) return;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    // A second copy ends silently and leaves the first alone.
    CloseHandle(mutex_);
    mutex_ = nullptr;
    return;
  }
  context_.Arguments = arguments ? arguments : "";
  {
    NoteBoardDialog board(context_);
    board.RunModal();
  }
  // The store's file goes only now, after the window is gone.
  context_.Store.reset();
}

}  // namespace zettrella
