// Driving setup.exe as a user would: a setup folder and a user profile of
// their own in temporary folders, setup started with that profile, its
// dialog and message boxes found by their texts and their buttons pressed.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/support/win_test_support.h"

namespace zettrella::testing {

// Texts as setup shows them (code page 932, like this program's literals).
inline constexpr char kSetupCaption[] = "Zettrella セットアップ";
inline constexpr char kShortcutName[] = "付箋.lnk";
inline constexpr char kQuickLaunchFolder[] = "Application Data\\Microsoft\\Internet Explorer\\Quick Launch";
inline constexpr char kStartupFolder[] = "スタート メニュー\\プログラム\\スタートアップ";

// Creates path and every missing folder above it.
void CreateFolders(const std::string& path);

// A copy of setup.exe in a temporary folder, optionally with a note program
// beside it, and a temporary user profile.
class SetupSandbox {
 public:
  explicit SetupSandbox(bool withNoteProgram);
  const std::string& setupDir() const { return setupDir_.path(); }
  const std::string& profileDir() const { return profile_.path(); }
  std::string setupExe() const { return setupDir_.File("setup.exe"); }
  std::string targetPath() const { return setupDir_.File("Zettrella.exe"); }
  std::string settingsFile() const { return setupDir_.File("Zettrella.ini"); }
  std::string quickLaunchDir() const { return profile_.File(kQuickLaunchFolder); }
  std::string startupDir() const { return profile_.File(kStartupFolder); }
  std::string quickLaunchShortcut() const { return quickLaunchDir() + "\\" + kShortcutName; }
  std::string startupShortcut() const { return startupDir() + "\\" + kShortcutName; }
  void CreateQuickLaunchDir() const { CreateFolders(quickLaunchDir()); }
  void CreateStartupDir() const { CreateFolders(startupDir()); }

 private:
  TempDir setupDir_{"zts"};
  TempDir profile_{"ztp"};
};

// setup.exe running with its own environment; killed by the destructor if
// it still runs.
class SetupProcess : public ChildProcess {
 public:
  // Starts exe with the environment of this process, but USERPROFILE set to
  // userProfile, or removed when it is nullopt.
  bool Start(const std::string& exe, const std::optional<std::string>& userProfile);
};

// A visible message box (a dialog with an empty caption) of pid, or null.
HWND FindMessageBox(DWORD pid);
HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs = 20000);
// True when window has a child whose text is text.
bool HasChildWithText(HWND window, const std::string& text);

bool IsItemChecked(HWND dialog, int id);
bool IsItemEnabled(HWND dialog, int id);

// Ticks "アンインストール" in setup's dialog, presses OK and waits for the
// question that follows; null when it does not come.
HWND StartUninstall(DWORD pid, HWND dialog);

// Starts setupExe with userProfile, waits for its dialog, presses OK and
// waits for setup to end. False if any step fails.
bool RunSetupAndPressOk(const std::string& setupExe, const std::string& userProfile);

// What a shell link file holds, read back through IShellLinkA.
struct ShortcutContent {
  bool loaded = false;
  std::string path;
  std::string arguments;
  std::string description;
};
ShortcutContent ReadShortcut(const std::string& file);

}  // namespace zettrella::testing
