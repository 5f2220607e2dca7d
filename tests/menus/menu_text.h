// Menus written as lines for comparison: "16 text", "26 text [x]" for a
// checked item, "---" for a separator.
#pragma once

#include <string>
#include <vector>

#include "tests/menus/board_harness.h"

namespace zettrella::testing {

inline std::vector<std::string> MenuLines(const std::vector<MenuItem>& items) {
  std::vector<std::string> lines;
  for (const MenuItem& item : items) {
    if (item.separator) {
      lines.push_back("---");
    } else {
      lines.push_back(std::to_string(item.id) + " " + item.text + (item.checked ? " [x]" : ""));
    }
  }
  return lines;
}

}  // namespace zettrella::testing
