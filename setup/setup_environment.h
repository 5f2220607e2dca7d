// Reads what setup needs to know about its process: its own file, the
// platform and version, and the profile variables.
#pragma once

#include "setup/setup_paths.h"

namespace zettrella::setup {

SetupEnvironment ReadSetupEnvironment();

}  // namespace zettrella::setup
