// setup.exe: works out its folders from its process environment, then runs
// the setup dialog as its only window; the program ends with the dialog.
#include <windows.h>

#include <cstdlib>

#include "setup/setup_dialog.h"

namespace setup = zettrella::setup;

namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

// Setup's own file and the user's profile folder.
setup::SetupEnvironment ReadSetupEnvironment() {
  setup::SetupEnvironment env;

  char module[setup::kPathBufferBytes] = {};
  const DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
  // A name that filled the buffer was cut; its folder part would be wrong.
  if (length > 0 && length < sizeof module) env.modulePath.assign(module, length);

  env.userProfile = Variable("USERPROFILE");
  return env;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const setup::SetupPaths paths = setup::ComputeSetupPaths(ReadSetupEnvironment());
  setup::SetupDialog dialog(paths);
  dialog.RunModal();
  return 0;
}
