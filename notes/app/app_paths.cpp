// Program folder and settings file path.
#include "notes/app/app_paths.h"

#include "common/mbcs.h"

namespace zettrella {

std::string ModuleDirOf(std::string_view programPath) {
  const size_t cut = FindLastChar(programPath, '\\');
  return cut == std::string_view::npos ? std::string() : std::string(programPath.substr(0, cut));
}

std::string IniPathOf(std::string_view programPath) {
  const size_t cut = FindLastChar(programPath, '.');
  const std::string_view base = cut == std::string_view::npos ? std::string_view() : programPath.substr(0, cut);
  return std::string(base) + ".ini";
}

ProgramPaths ProgramPathsOf(std::string_view reported, size_t capacity) {
  if (reported.empty() || reported.size() >= capacity) return {};
  return {ModuleDirOf(reported), IniPathOf(reported)};
}

}  // namespace zettrella
