// Any note text through the address scan of the note menu: the addresses
// fill the first entries, each begins with "http", holds no blank, line end
// or two-byte lead byte, and stands in the text (less a leading "h" put in
// front). The menu label doubles each "&" and nothing else.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/mbcs.h"
#include "notes/input/addresses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zettrella::AddressItems items;
  items.fill("stale");
  zettrella::ExtractAddresses(text, &items);
  bool ended = false;
  for (const std::string& address : items) {
    if (address.empty()) {
      ended = true;
      continue;
    }
    if (ended || address.rfind("http", 0) != 0) __builtin_trap();
    for (char c : address) {
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || zettrella::IsLeadByte(c)) __builtin_trap();
    }
    if (text.find(address) == std::string_view::npos && text.find(address.substr(1)) == std::string_view::npos) {
      __builtin_trap();
    }
    const std::string label = zettrella::AddressMenuLabel(address);
    size_t amps = 0;
    for (char c : address) amps += c == '&';
    if (label.size() != address.size() + amps) __builtin_trap();
  }
  return 0;
}
