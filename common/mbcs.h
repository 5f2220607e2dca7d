// Walking code page 932 text, where a byte 0x81-0x9F or 0xE0-0xFC starts a
// two-byte character whose second byte may be any byte from 0x40 up,
// including "\" (0x5C). The range up to 0xFC takes in the extension
// characters (such as 髙 FB FC and 﨑 FA B1) that names often hold. The note
// program and the layer library both walk text with this one test.
#pragma once

#include <cstddef>
#include <string_view>

namespace zettrella {

constexpr bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
constexpr bool IsLeadByte(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

// The length of the character at text[i]: 2 for a lead byte followed by
// another byte, else 1.
inline size_t CharLengthAt(std::string_view text, size_t i) {
  return IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

// Position of the last byte c that stands as a character of its own (not as
// the second byte of a two-byte character); npos if none.
size_t FindLastChar(std::string_view text, char c);

// The longest prefix of text that is at most maxBytes long and does not end
// in the middle of a two-byte character.
std::string_view CutAtCharBoundary(std::string_view text, size_t maxBytes);

}  // namespace zettrella
