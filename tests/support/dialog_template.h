// Reading an extended dialog template (DLGTEMPLATEEX), the form the resource
// compiler writes for our programs, so that tests can check its controls,
// and the control ids the resource header defines for each dialog.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zettrella::testing {

struct TemplateItem {
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  int id = 0;             // -1 for "no id"
  std::string className;  // "Button", "Edit", "Static", ... (predefined atoms named)
  std::string text;       // CP932; "#<n>" for a resource number
};

struct DialogTemplate {
  bool extended = false;
  DWORD style = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::string caption;  // CP932
  int pointSize = 0;
  std::string fontName;  // CP932
  std::vector<TemplateItem> items;
};

// The DIALOG resource id of module (null: the running program); false if it
// is missing or not an extended template.
bool LoadDialogTemplate(HMODULE module, int id, DialogTemplate* out);

// The control ids that a resource header defines for the dialog named
// dialogName: the IDC_ values after "#define <dialogName>" up to the next
// IDD_ define, IDC_STATIC aside.
std::vector<int> HeaderControlIds(const std::string& headerText, const std::string& dialogName);

}  // namespace zettrella::testing
