// Code page 932 walking helpers.
#include "common/mbcs.h"

namespace zettrella {

size_t FindLastChar(std::string_view text, char c) {
  size_t found = std::string_view::npos;
  for (size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
    if (text[i] == c) found = i;
  }
  return found;
}

std::string_view CutAtCharBoundary(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t end = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t next = i + CharLengthAt(text, i);
    if (next > maxBytes) break;
    end = next;
    i = next;
  }
  return text.substr(0, end);
}

}  // namespace zettrella
