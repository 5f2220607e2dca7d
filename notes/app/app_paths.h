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

struct ProgramPaths {
  std::string moduleDir;
  std::string iniPath;  // empty: no settings file
};

// Both paths from the program path the system reported in a buffer of
// capacity bytes. A path that filled the buffer was cut, and cut once more
// at its last dot it could name another folder's settings file: then both
// are empty, and the program runs without a settings file.
ProgramPaths ProgramPathsOf(std::string_view reported, size_t capacity);

}  // namespace zettrella
