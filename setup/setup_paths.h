// Where setup finds the note program and its settings file, and the two
// folders that receive the shortcut "付箋.lnk". Plain logic, no windows.h.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zettrella::setup {

// Every path is handed to the platform in a buffer of this many bytes,
// terminator included. A path that would not fit is refused (nullopt) rather
// than cut, because a cut path names some other file or folder.
inline constexpr size_t kPathBufferBytes = 260;

// What setup learns about its process at start.
struct SetupEnvironment {
  std::string modulePath;                  // setup's own file; empty if unknown
  std::optional<std::string> userProfile;  // %USERPROFILE%, if set
};

// The folders setup works with; nullopt when a folder cannot be named safely.
struct SetupPaths {
  std::optional<std::string> setupDir;
  std::optional<std::string> quickLaunchDir;
  std::optional<std::string> startupDir;
};

// The folder part of modulePath: everything before its last backslash, where
// a "\" that is the second byte of a double-byte character does not count.
// Nothing when there is no backslash or nothing before it.
std::optional<std::string> DirectoryOf(std::string_view modulePath);

// USERPROFILE. An unset or empty variable gives nothing: the folders below
// it would otherwise be taken from the root of the current drive.
std::optional<std::string> ProfileDir(const SetupEnvironment& env);

// "<profile>\Application Data\Microsoft\Internet Explorer\Quick Launch".
std::optional<std::string> QuickLaunchDir(std::string_view profileDir);

// "<profile>\スタート メニュー\プログラム\スタートアップ".
std::optional<std::string> StartupDir(std::string_view profileDir);

// "<setup folder>\Zettrella.ini": the note program's settings file.
std::optional<std::string> SettingsFilePath(std::string_view setupDir);

// "<setup folder>\Zettrella.exe": what the shortcuts start.
std::optional<std::string> TargetPath(std::string_view setupDir);

// "<folder>\付箋.lnk".
std::optional<std::string> ShortcutPath(std::string_view folder);

// All folders at once, as the program computes them at start.
SetupPaths ComputeSetupPaths(const SetupEnvironment& env);

}  // namespace zettrella::setup
