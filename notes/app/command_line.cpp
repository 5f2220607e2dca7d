// Command-line parsing.
#include "notes/app/command_line.h"

#include "common/ascii.h"

namespace zettrella {

bool IsStartupStart(std::string_view arguments) { return EqualsIgnoringAsciiCase(arguments, "-startup"); }

}  // namespace zettrella
