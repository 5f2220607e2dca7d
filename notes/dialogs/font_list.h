// Which fonts the name picker lists and under which names.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zettrella {

// Kind flag of a TrueType font (the name picker draws its mark).
inline constexpr uint32_t kFontKindTrueType = 0x200;
// The character set of Macintosh fonts, which the picker never lists.
inline constexpr uint8_t kMacCharset = 77;

// One enumerated font of the name picker; each list item owns one.
struct FontRecord {
  std::string face;    // face name of the logical font
  std::string script;  // script name of the extended enumeration, else empty
  uint8_t charset = 0;
  uint8_t pitchAndFamily = 0;
  uint32_t kind = 0;  // kFontKindTrueType or 0
};

// Whether an enumerated font belongs in the list: no raster fonts, no
// Macintosh fonts, and on a double-byte system no vertical-writing faces
// (names beginning with "@").
bool IsListedFont(bool raster, uint8_t charset, bool dbcsSystem, std::string_view face);

// The item text of each record, in order: the face, or, when the same face
// was reported more than once, the face followed by " (script)" for each
// report that has a script.
std::vector<std::string> ListedNames(const std::vector<const FontRecord*>& records);

}  // namespace zettrella
