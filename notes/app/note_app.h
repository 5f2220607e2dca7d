// The application object: where the program lives, the single-instance rule
// and the run of the main window.
#pragma once

#include "notes/app/main_window.h"

namespace zettrella {

class NoteApp {
 public:
  // Runs the program: a second copy ends at once; the first runs its main
  // window until the program ends. arguments: the command line after the
  // program name.
  void Run(const char* arguments);

 private:
  AppContext context_;
};

}  // namespace zettrella
