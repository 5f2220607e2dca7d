// Hidden addresses, masking and trimming of a note's text.
#include "notes/card/display_text.h"

#include <algorithm>

#include "notes/card/address_scan.h"
#include "common/mbcs.h"

namespace zettrella {

namespace {

// Bytes of a hidden address; also any such byte that the text already held.
constexpr char kHideMark = '\x01';

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string MakeDisplayText(std::string_view text, bool mask, int32_t maskFrom) {
  // Each address without its "h" is overwritten with hide marks first.
  std::string marked(text);
  for (std::string_view address : FindAddresses(marked)) {
    if (address.front() == 't') std::fill_n(&marked[address.data() - marked.data()], address.size(), kHideMark);
  }

  std::string shown;
  shown.reserve(marked.size());
  int64_t position = 1;
  for (size_t i = 0; i < marked.size();) {
    const char c = marked[i];
    if (c == kHideMark) {
      size_t end = i + 1;
      while (end < marked.size() && (marked[end] == kHideMark || IsBlank(marked[end]))) ++end;
      position += static_cast<int64_t>(end - i);
      i = end;
      continue;
    }
    const size_t length = CharLengthAt(marked, i);
    const bool lineBreak = c == '\r' || c == '\n';
    if (mask && !lineBreak && position >= maskFrom) {
      shown += '*';
    } else {
      shown.append(marked, i, length);
    }
    if (!lineBreak) ++position;
    i += length;
  }
  shown.erase(std::find_if_not(shown.rbegin(), shown.rend(), IsBlank).base(), shown.end());
  return shown;
}

}  // namespace zettrella
