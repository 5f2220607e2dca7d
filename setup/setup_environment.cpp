// Setup's process environment through the platform.
#include "setup/setup_environment.h"

#include <windows.h>

#include <cstdlib>

namespace zettrella::setup {

namespace {

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

}  // namespace

SetupEnvironment ReadSetupEnvironment() {
  SetupEnvironment env;

  char module[kPathBufferBytes] = {};
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

}  // namespace zettrella::setup
