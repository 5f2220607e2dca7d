// ASCII letter case: only the 26 letters fold, never a byte of a two-byte
// character; the start argument is recognised in any case.
#include "common/ascii.h"

#include <gtest/gtest.h>

#include "common/protocol.h"

namespace zettrella {
namespace {

// Only A-Z and a-z fold: the bytes beside them in the code table, and bytes
// above 0x7F (which a locale's folding might take for Latin letters), do not.
TEST(AsciiCase, OnlyTheTwentySixLettersFold) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("Husen12", "hUSEN12"));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("AZaz", "azAZ"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("@[", "`{"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("\xC1", "\xE1"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("On", "On "));
  EXPECT_EQ(AsciiUpper('\xE1'), '\xE1');
}

// The argument of a start from the Startup folder.
TEST(CommandLine, StartupArgumentInAnyCaseButAlone) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("-startup", kStartupArgument));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("-STARTUP", kStartupArgument));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("-StartUp", kStartupArgument));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("-startup now", kStartupArgument));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("", kStartupArgument));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("startup", kStartupArgument));
}

}  // namespace
}  // namespace zettrella
