// The setup dialog: choose the Quick Launch and Startup shortcuts, or
// uninstall. Running it first stops a running note program.
#pragma once

#include <windows.h>

#include <string>

#include "common/dialog.h"
#include "common/win_handles.h"
#include "resources/setup_res.h"
#include "setup/setup_paths.h"

namespace zettrella::setup {

class SetupDialog : public ui::Dialog {
 public:
  static constexpr int kTemplateId = IDD_SETUP;

  explicit SetupDialog(const SetupPaths& paths);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int notifyCode, HWND control) override;

 private:
  void SetIcons();
  void ProbeQuickLaunch();
  void OnUninstallClicked();
  void Install();
  void Uninstall();
  // False, after telling the user, while a note program runs.
  bool StillNoProgramRuns();

  const SetupPaths& paths_;
  // Empty when the folder is unknown or a path in it would not fit.
  std::string quickLaunchShortcut_;
  std::string startupShortcut_;
  std::string settingsFile_;
  // False once initialisation found that nothing can be written in the
  // Quick Launch folder; its box then stays disabled for the whole run.
  bool quickLaunchAvailable_ = true;
  // False when the Startup folder cannot be named; its box stays disabled.
  bool startupAvailable_ = true;
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
};

}  // namespace zettrella::setup
