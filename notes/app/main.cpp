// Zettrella: sticky notes on the desktop.
#include <windows.h>

#include "notes/app/note_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  zettrella::NoteApp().Run(arguments);
  return 0;
}
