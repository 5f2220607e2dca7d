// setup.exe: works out its folders, then runs the setup dialog as its only
// window; the program ends with the dialog.
#include <windows.h>

#include "setup/setup_dialog.h"
#include "setup/setup_environment.h"

namespace setup = zettrella::setup;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const setup::SetupPaths paths = setup::ComputeSetupPaths(setup::ReadSetupEnvironment());
  setup::SetupDialog dialog(paths);
  dialog.RunModal();
  return 0;
}
