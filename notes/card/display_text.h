// What a note's card shows of its text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zettrella {

// The text as the card shows it:
// - an address written without its leading "h" ("ttp://..." or
//   "ttps://...") is left out, together with the blanks and line breaks
//   after it; "http://" and "https://" addresses stay (both kinds count
//   towards the kMaxAddresses looked at, notes/card/address_scan.h);
// - with mask set, every character from position maskFrom (1-based; line
//   breaks do not count) on is shown as one "*";
// - trailing blanks and line breaks are dropped.
std::string MakeDisplayText(std::string_view text, bool mask, int32_t maskFrom);

}  // namespace zettrella
