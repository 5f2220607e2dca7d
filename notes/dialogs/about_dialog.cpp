// The about box shows the version from the string table, so that the
// version text lives in one place beside the version resource.
#include "notes/dialogs/about_dialog.h"

#include "notes/dialogs/dialog_placement.h"
#include "resources/zettrella_res.h"

namespace zettrella {

AboutDialog::AboutDialog(HWND owner) : ui::Dialog(IDD_ABOUT, owner) {}

BOOL AboutDialog::OnInitDialog() {
  char version[64] = {};
  LoadStringA(GetModuleHandleA(nullptr), IDS_VERSION, version, sizeof version);
  SetItemText(IDC_ABOUT_VERSION, version);
  CenterOnDesktop(hwnd());
  return TRUE;
}

}  // namespace zettrella
