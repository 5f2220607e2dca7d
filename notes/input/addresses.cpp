// The note menu's address entries and their menu labels.
#include "notes/input/addresses.h"

namespace zettrella {

void ExtractAddresses(std::string_view text, AddressItems* items) {
  items->fill(std::string());
  size_t k = 0;
  for (std::string_view found : FindAddresses(text)) {
    std::string& address = (*items)[k++];
    if (found.front() == 't') address = "h";
    address += found;
  }
}

std::string AddressMenuLabel(std::string_view address) {
  std::string label;
  label.reserve(address.size());
  for (char c : address) {
    if (c == '&') label += '&';
    label += c;
  }
  return label;
}

}  // namespace zettrella
