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

// Setup's own file, the platform and version, and the profile variables.
setup::SetupEnvironment ReadSetupEnvironment() {
  setup::SetupEnvironment env;

  char module[setup::kPathBufferBytes] = {};
  const DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
  // A name that filled the buffer was cut; its folder part would be wrong.
  if (length > 0 && length < sizeof module) env.modulePath.assign(module, length);

  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (GetVersionExA(&version)) {
    env.ntPlatform = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    env.majorVersion = version.dwMajorVersion;
  }

  env.userProfile = Variable("USERPROFILE");
  env.windowsDir = Variable("WINDIR");
  return env;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const setup::SetupPaths paths = setup::ComputeSetupPaths(ReadSetupEnvironment());
  setup::SetupDialog dialog(paths);
  dialog.RunModal();
  return 0;
}
