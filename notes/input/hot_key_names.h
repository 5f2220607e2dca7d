// Hot-key names ("F1", "SPACE", "A", ...) as the settings store them, and
// the virtual-key codes they stand for.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zettrella {

// The virtual-key code of a hot-key name. Names of the table (BACK,
// BACKSPACE, TAB, RETURN, ENTER, SPACE, LEFT, UP, RIGHT, DOWN, INSERT,
// INS, DELETE, DEL, F1-F24) are compared without regard to ASCII letter
// case; any other name stands for the key of its first character, a-z
// raised to A-Z. No key (nothing is registered) for an empty name or one
// whose first byte is not an ASCII character, such as a two-byte
// character, whose key would be a matter of chance.
std::optional<uint32_t> HotKeyCode(std::string_view name);

}  // namespace zettrella
