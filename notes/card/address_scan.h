// Web addresses in a note's text (code page 932): the ones its menu offers
// and the ones its card hides.
#pragma once

#include <string_view>
#include <vector>

namespace zettrella {

// At most this many addresses are looked at in one text.
inline constexpr int kMaxAddresses = 10;

// The first kMaxAddresses addresses of text, as views into it. An address
// starts with "http://", "https://", "ttp://" or "ttps://" (exactly,
// case-sensitive) at a single-byte character and runs up to the next space,
// tab, CR, LF, two-byte character or the end of the text.
std::vector<std::string_view> FindAddresses(std::string_view text);

}  // namespace zettrella
