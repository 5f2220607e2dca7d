// The application object: where the program lives, the single-instance rule
// and the run of the main window.
#pragma once

#include <windows.h>

#include "notes/app/main_window.h"

namespace zettrella {

class NoteApp {
 public:
  // Computes the program's folder and its settings file's path.
  NoteApp();
  NoteApp(const NoteApp&) = delete;
  NoteApp& operator=(const NoteApp&) = delete;

  // Runs the program: a second copy ends at once; the first runs its main
  // window until the program ends. arguments: the command line after the
  // program name.
  void Run(const char* arguments);

 private:
  AppContext context_;
  // Held, never closed: the system releases it when the process ends.
  HANDLE mutex_ = nullptr;
};

}  // namespace zettrella
