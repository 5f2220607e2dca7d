// setup.exe: works out its folders, then runs the setup dialog as its only
// window; the program ends with the dialog.
#include <windows.h>

#include "setup/setup_dialog.h"
#include "setup/setup_environment_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const zettrella::setup::SetupPaths paths = zettrella::setup::ComputeSetupPaths(zettrella::setup::ReadSetupEnvironment());
  zettrella::setup::SetupDialog dialog(paths);
  dialog.RunModal();
  return 0;
}
