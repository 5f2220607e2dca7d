// ASCII letter case, the only case that the settings file's names, the
// command line, "On" and the hot key names ignore. Every other byte, the
// bytes of two-byte characters among them, is compared as it is.
#pragma once

#include <string_view>

namespace zettrella {

constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

}  // namespace zettrella
