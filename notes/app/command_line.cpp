// Command-line parsing.
#include "notes/app/command_line.h"

namespace zettrella {

bool IsStartupStart(std::string_view arguments) {
  constexpr std::string_view kStartup = "-startup";
  if (arguments.size() != kStartup.size()) return false;
  for (size_t i = 0; i < kStartup.size(); ++i) {
    char c = arguments[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kStartup[i]) return false;
  }
  return true;
}

}  // namespace zettrella
