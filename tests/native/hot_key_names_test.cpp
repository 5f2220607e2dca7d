// Hot-key names and the virtual-key codes they stand for.
#include "notes/input/hot_key_names.h"

#include <gtest/gtest.h>

#include <string>

namespace zettrella {
namespace {

constexpr uint32_t kNoKey = 0xFFFFFFFF;

uint32_t Code(std::string_view name) { return HotKeyCode(name).value_or(kNoKey); }

TEST(HotKeyCode, NamedKeysInAnyCase) {
  EXPECT_EQ(Code("BACK"), 8u);
  EXPECT_EQ(Code("backspace"), 8u);
  EXPECT_EQ(Code("Tab"), 9u);
  EXPECT_EQ(Code("return"), 13u);
  EXPECT_EQ(Code("Enter"), 13u);
  EXPECT_EQ(Code("SPACE"), 32u);
  EXPECT_EQ(Code("sPaCe"), 32u);
  EXPECT_EQ(Code("LEFT"), 37u);
  EXPECT_EQ(Code("up"), 38u);
  EXPECT_EQ(Code("Right"), 39u);
  EXPECT_EQ(Code("DOWN"), 40u);
  EXPECT_EQ(Code("insert"), 45u);
  EXPECT_EQ(Code("INS"), 45u);
  EXPECT_EQ(Code("Delete"), 46u);
  EXPECT_EQ(Code("del"), 46u);
}

TEST(HotKeyCode, FunctionKeysOneToTwentyFour) {
  for (int n = 1; n <= 24; ++n) {
    EXPECT_EQ(Code("F" + std::to_string(n)), 111u + static_cast<uint32_t>(n)) << n;
    EXPECT_EQ(Code("f" + std::to_string(n)), 111u + static_cast<uint32_t>(n)) << n;
  }
  // Not in the table: the key of the first character.
  EXPECT_EQ(Code("F25"), static_cast<uint32_t>('F'));
  EXPECT_EQ(Code("F0"), static_cast<uint32_t>('F'));
  EXPECT_EQ(Code("F01"), static_cast<uint32_t>('F'));
  EXPECT_EQ(Code("f100"), static_cast<uint32_t>('F'));
  EXPECT_EQ(Code("F"), static_cast<uint32_t>('F'));
}

TEST(HotKeyCode, OtherNamesTakeTheirFirstCharacter) {
  EXPECT_EQ(Code("ESC"), static_cast<uint32_t>('E'));
  EXPECT_EQ(Code("Home"), static_cast<uint32_t>('H'));
  EXPECT_EQ(Code("z"), static_cast<uint32_t>('Z'));
  EXPECT_EQ(Code("a"), static_cast<uint32_t>('A'));
  EXPECT_EQ(Code("A"), static_cast<uint32_t>('A'));
  EXPECT_EQ(Code("5"), static_cast<uint32_t>('5'));
  EXPECT_EQ(Code("0"), 48u);
  EXPECT_EQ(Code("9x"), 57u);
  // Near misses of table names.
  EXPECT_EQ(Code("SPACEBAR"), static_cast<uint32_t>('S'));
  EXPECT_EQ(Code(" SPACE"), 32u);  // the blank itself
  EXPECT_EQ(Code("delete "), static_cast<uint32_t>('D'));
}

TEST(HotKeyCode, NoKeyForEmptyOrNonAsciiNames) {
  EXPECT_FALSE(HotKeyCode("").has_value());
  EXPECT_FALSE(HotKeyCode("あ").has_value());
  EXPECT_FALSE(HotKeyCode("ｱ").has_value());
  EXPECT_FALSE(HotKeyCode("\xFF"
                          "A")
                   .has_value());
  EXPECT_FALSE(HotKeyCode(std::string_view("\0A", 2)).has_value());
}

}  // namespace
}  // namespace zettrella
