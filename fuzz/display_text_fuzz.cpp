// Any note text through the card's display rules. The first two bytes choose
// the mask; the result never grows, holds no hide mark and ends in no blank.
// (A byte 1 may still follow a lead byte: the two are one character.)
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/mbcs.h"
#include "notes/card/display_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const bool mask = data[0] & 1;
  const int32_t maskFrom = static_cast<int8_t>(data[1]);
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
  const std::string shown = zettrella::MakeDisplayText(text, mask, maskFrom);
  if (shown.size() > text.size()) __builtin_trap();
  for (size_t i = 0; i < shown.size(); i += zettrella::CharLengthAt(shown, i)) {
    if (shown[i] == '\x01') __builtin_trap();
  }
  if (!shown.empty()) {
    const char last = shown.back();
    if (last == ' ' || last == '\t' || last == '\r' || last == '\n') __builtin_trap();
  }
  if (!mask && text.find("ttp") == std::string_view::npos && text.find('\x01') == std::string_view::npos) {
    // Nothing to hide or mask: only the trailing blanks go.
    if (text.substr(0, shown.size()) != shown) __builtin_trap();
  }
  return 0;
}
