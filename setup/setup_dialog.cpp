// The setup dialog: its initialisation, the uninstall switch, install and
// uninstall.
#include "setup/setup_dialog.h"

#include "common/protocol.h"
#include "common/window_icons.h"
#include "setup/running_instance.h"
#include "setup/shortcut.h"

namespace zettrella::setup {

namespace {

constexpr char kInstallText[] = "設定";
constexpr char kUninstallText[] = "アンインストール";
constexpr char kKeepSettingsQuestion[] = "設定ファイルを残しておきますか？";
constexpr char kRunningText[] = "Zettrellaが起動中です。\nセットアップは、何も削除せずに終了します。";

std::string OrEmpty(const std::optional<std::string>& path) { return path ? *path : std::string(); }

std::string ShortcutIn(const std::optional<std::string>& folder) {
  return folder ? OrEmpty(ShortcutPath(*folder)) : std::string();
}

// A shortcut in a folder that cannot be named is neither written nor deleted.
void DeleteIfNamed(const std::string& path) {
  if (!path.empty()) DeleteFileA(path.c_str());
}

}  // namespace

SetupDialog::SetupDialog(const SetupPaths& paths) : Dialog(kTemplateId, nullptr), paths_(paths) {}

BOOL SetupDialog::OnInitDialog() {
  SetIcons();
  if (!StopRunningInstance(hwnd())) {
    // The note program may still write its settings file: setup ends
    // without showing its dialog, so that it neither writes nor deletes.
    EndModal(IDCANCEL);
    return TRUE;
  }
  settingsFile_ = paths_.setupDir ? OrEmpty(SettingsFilePath(*paths_.setupDir)) : std::string();
  ProbeQuickLaunch();

  startupShortcut_ = ShortcutIn(paths_.startupDir);
  startupAvailable_ = !startupShortcut_.empty();
  SetChecked(IDC_SETUP_STARTUP, startupAvailable_);
  EnableItem(IDC_SETUP_STARTUP, startupAvailable_);
  return TRUE;
}

void SetupDialog::SetIcons() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  bigIcon_.reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_SETUP), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
  smallIcon_ = LoadSmallIcon(instance, IDI_SETUP);
  SetCaptionIcons(hwnd(), bigIcon_.get(), smallIcon_.get());
}

// The Quick Launch box is offered when a shortcut is there already or one
// could be written there.
void SetupDialog::ProbeQuickLaunch() {
  quickLaunchShortcut_ = ShortcutIn(paths_.quickLaunchDir);
  const char* path = quickLaunchShortcut_.c_str();
  const bool usable = !quickLaunchShortcut_.empty() && (FileCanBeRead(path) || FileCanBeCreated(path));
  SetChecked(IDC_SETUP_QUICK_LAUNCH, usable);
  if (!usable) {
    quickLaunchAvailable_ = false;
    EnableItem(IDC_SETUP_QUICK_LAUNCH, false);
  }
}

bool SetupDialog::OnCommand(int id, int notifyCode, HWND) {
  if (id == IDC_SETUP_UNINSTALL && notifyCode == BN_CLICKED) {
    OnUninstallClicked();
    return true;
  }
  return false;
}

void SetupDialog::OnUninstallClicked() {
  const bool uninstall = IsChecked(IDC_SETUP_UNINSTALL);
  EnableItem(IDC_SETUP_QUICK_LAUNCH, !uninstall && quickLaunchAvailable_);
  EnableItem(IDC_SETUP_STARTUP, !uninstall && startupAvailable_);
  SetItemText(IDOK, uninstall ? kUninstallText : kInstallText);
}

void SetupDialog::OnOK() {
  if (IsChecked(IDC_SETUP_UNINSTALL)) {
    Uninstall();
  } else {
    Install();
  }
  EndModal(IDOK);
}

// Each shortcut is created or deleted as its box says; a disabled box reads
// as unchecked. Results are not reported: setup shows no errors.
void SetupDialog::Install() {
  const std::string target = paths_.setupDir ? OrEmpty(TargetPath(*paths_.setupDir)) : std::string();
  const auto apply = [&](const std::string& shortcut, int box, const char* arguments) {
    if (shortcut.empty()) return;
    if (IsChecked(box)) {
      if (!target.empty()) CreateShortcut(shortcut.c_str(), "", target.c_str(), arguments, nullptr);
    } else {
      DeleteFileA(shortcut.c_str());
    }
  };
  apply(quickLaunchShortcut_, IDC_SETUP_QUICK_LAUNCH, "");
  apply(startupShortcut_, IDC_SETUP_STARTUP, kStartupArgument);
}

// Both shortcuts go whatever their boxes show; the settings file beside
// setup goes too only when the user answers that it need not be kept. A
// box that fails, or ends without an answer, returns 0 and keeps it.
//
// A note program started after setup stopped the last one would write its
// settings file again, or lose every note with it: while one runs, setup
// says so and deletes nothing. It is asked again at the moment of deleting
// the file, since one may start while the question waits for an answer.
void SetupDialog::Uninstall() {
  if (!StillNoProgramRuns()) return;
  DeleteIfNamed(quickLaunchShortcut_);
  DeleteIfNamed(startupShortcut_);
  const int answer = MessageBoxA(hwnd(), kKeepSettingsQuestion, "", MB_YESNO | MB_ICONEXCLAMATION);
  if (answer != IDNO || !StillNoProgramRuns()) return;
  DeleteIfNamed(settingsFile_);
  // Changes that waited for the file, and copies left beside it.
  for (const char* suffix : kSettingsSideFiles) {
    if (!settingsFile_.empty()) DeleteIfNamed(settingsFile_ + suffix);
  }
}

bool SetupDialog::StillNoProgramRuns() {
  if (!NoteProgramRuns()) return true;
  MessageBoxA(hwnd(), kRunningText, "", MB_OK | MB_ICONEXCLAMATION);
  return false;
}

}  // namespace zettrella::setup
