// Reading an extended dialog template (DLGTEMPLATEEX) of the running
// program, so that tests can check every control's id, style, text and place.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zettrella::testing {

struct TemplateItem {
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  int id = 0;            // -1 for "no id"
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

// The DIALOG resource id of the running program; false if it is missing
// or not an extended template.
bool LoadDialogTemplate(int id, DialogTemplate* out);

}  // namespace zettrella::testing
