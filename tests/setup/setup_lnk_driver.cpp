// Runs setup.exe from a given folder with a given user profile and confirms
// its dialog with OK, so that a check outside Wine can read the shortcuts it
// wrote. Usage: setup_lnk_driver <setup folder> <profile folder>.
#include <cstdio>

#include "tests/support/win_test_support.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: setup_lnk_driver <setup folder> <profile folder>\n");
    return 2;
  }
  const std::string setupExe = std::string(argv[1]) + "\\setup.exe";
  if (!zettrella::testing::RunSetupAndPressOk(setupExe, argv[2])) {
    fprintf(stderr, "setup_lnk_driver: setup did not show its dialog or did not end\n");
    return 1;
  }
  return 0;
}
