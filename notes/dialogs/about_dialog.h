// The about box: program name, icon and version, centred on the desktop.
#pragma once

#include <windows.h>

#include "common/dialog.h"

namespace zettrella {

class AboutDialog : public ui::Dialog {
 public:
  explicit AboutDialog(HWND owner);

 protected:
  BOOL OnInitDialog() override;
};

}  // namespace zettrella
