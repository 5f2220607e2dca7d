// Any typed text in the font size picker: the twips read are the size shown
// before or a size of 0 or more, and a size read from the shown form of a
// size is that size to the nearest half point.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "notes/dialogs/font_size_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  int32_t last = 0;
  for (int k = 0; k < 4; ++k) last = static_cast<int32_t>(static_cast<uint32_t>(last) << 8 | data[k]);
  const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);

  const int32_t twips = zettrella::ParseSizeTwips(text, last);
  if (twips != last && twips < 0) __builtin_trap();

  const std::string shown = zettrella::FormatTwips(last);
  if ((last < 0) != shown.empty()) __builtin_trap();
  if (last >= 0) {
    const int32_t again = zettrella::ParseSizeTwips(shown, -1);
    // The shown form rounds to half points (10 twips); reading it back may
    // fall outside 32 bits only for the very largest sizes.
    if (again != -1 && std::llabs(static_cast<long long>(again) - last) > 5) __builtin_trap();
    if (again == -1 && last < 2147483000) __builtin_trap();
  }
  return 0;
}
