// Where the program finds its layer library and its settings file.
#pragma once

#include <string>
#include <string_view>

namespace zettrella {

// The program file's folder without a trailing backslash: the path cut at its
// last backslash (a backslash byte inside a two-byte character does not
// count); empty for a path without one.
std::string ModuleDirOf(std::string_view programPath);

// The program path cut at its last "." with ".ini" appended; a path without
// a dot gives ".ini". C:\Apps\Zettrella.exe gives C:\Apps\Zettrella.ini.
std::string IniPathOf(std::string_view programPath);

}  // namespace zettrella
