// Web addresses in a note's text, as the note menu offers them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "notes/card/address_scan.h"

namespace zettrella {

// The addresses of the most recent note menu; entry k belongs to the menu
// command kCmdFirstAddress + k. Unused entries are empty.
using AddressItems = std::array<std::string, kMaxAddresses>;

// Empties items and fills them with the addresses of text (FindAddresses).
// The forms without the leading "h" get it put in front.
void ExtractAddresses(std::string_view text, AddressItems* items);

// The menu text of an address: every "&" doubled, so that the menu shows
// the address as it is instead of turning "&" into a mnemonic marker.
std::string AddressMenuLabel(std::string_view address);

}  // namespace zettrella
