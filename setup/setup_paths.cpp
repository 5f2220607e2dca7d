// Setup's path rules.
#include "setup/setup_paths.h"

#include "common/mbcs.h"

namespace zettrella::setup {

namespace {

// folder + "\" + leaf, or nothing when folder is unset or empty, or when the
// result would not fit a path buffer.
std::optional<std::string> Join(std::string_view folder, std::string_view leaf) {
  if (folder.empty()) return std::nullopt;
  if (folder.size() + 1 + leaf.size() >= kPathBufferBytes) return std::nullopt;
  std::string path(folder);
  path += '\\';
  path += leaf;
  return path;
}

std::optional<std::string> NonEmpty(const std::optional<std::string>& value) {
  if (!value || value->empty() || value->size() >= kPathBufferBytes) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> DirectoryOf(std::string_view modulePath) {
  const size_t slash = FindLastChar(modulePath, '\\');
  if (slash == std::string_view::npos || slash == 0) return std::nullopt;
  return std::string(modulePath.substr(0, slash));
}

std::optional<std::string> ProfileDir(const SetupEnvironment& env) { return NonEmpty(env.userProfile); }

std::optional<std::string> QuickLaunchDir(std::string_view profileDir) {
  return Join(profileDir, "Application Data\\Microsoft\\Internet Explorer\\Quick Launch");
}

std::optional<std::string> StartupDir(std::string_view profileDir) {
  return Join(profileDir, "スタート メニュー\\プログラム\\スタートアップ");
}

std::optional<std::string> SettingsFilePath(std::string_view setupDir) { return Join(setupDir, "Zettrella.ini"); }

std::optional<std::string> TargetPath(std::string_view setupDir) { return Join(setupDir, "Zettrella.exe"); }

std::optional<std::string> ShortcutPath(std::string_view folder) { return Join(folder, "付箋.lnk"); }

SetupPaths ComputeSetupPaths(const SetupEnvironment& env) {
  SetupPaths paths;
  paths.setupDir = DirectoryOf(env.modulePath);
  if (const std::optional<std::string> profile = ProfileDir(env)) {
    paths.quickLaunchDir = QuickLaunchDir(*profile);
    paths.startupDir = StartupDir(*profile);
  }
  return paths;
}

}  // namespace zettrella::setup
