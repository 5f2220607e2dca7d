// Hidden addresses, masking and trimming of a note's text.
#include "notes/card/display_text.h"

#include <array>

#include "common/mbcs.h"

namespace zettrella {

namespace {

// Bytes of a hidden address; also any such byte that the text already held.
constexpr char kHideMark = '\x01';

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The length of the address prefix at text[i], 0 when none starts there.
size_t AddressPrefixAt(std::string_view text, size_t i) {
  static constexpr std::array<std::string_view, 4> kPrefixes = {"http://", "https://", "ttp://", "ttps://"};
  for (std::string_view prefix : kPrefixes) {
    if (text.compare(i, prefix.size(), prefix) == 0) return prefix.size();
  }
  return 0;
}

// Overwrites each address without its "h" with hide marks.
void MarkHiddenAddresses(std::string& text) {
  int examined = 0;
  size_t i = 0;
  while (i < text.size() && examined < kMaxAddresses) {
    if (IsLeadByte(text[i])) {
      i += CharLengthAt(text, i);
      continue;
    }
    if (AddressPrefixAt(text, i) == 0) {
      ++i;
      continue;
    }
    ++examined;
    size_t end = i;
    while (end < text.size() && !IsBlank(text[end]) && !IsLeadByte(text[end])) ++end;
    if (text[i] == 't') {
      for (size_t k = i; k < end; ++k) text[k] = kHideMark;
    }
    if (end >= text.size()) break;
    i = end + CharLengthAt(text, end);
  }
}

}  // namespace

std::string MakeDisplayText(std::string_view text, bool mask, int32_t maskFrom) {
  std::string marked(text);
  MarkHiddenAddresses(marked);

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
    if (!mask || c == '\r' || c == '\n') {
      shown.append(marked, i, length);
    } else {
      if (position < maskFrom) {
        shown.append(marked, i, length);
      } else {
        shown += '*';
      }
      ++position;
    }
    i += length;
  }

  size_t keep = shown.size();
  while (keep > 0 && IsBlank(shown[keep - 1])) --keep;
  shown.resize(keep);
  return shown;
}

}  // namespace zettrella
