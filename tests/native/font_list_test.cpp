// The name picker's list rules: which faces it lists and how it names them.
#include "notes/dialogs/font_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zettrella {
namespace {

TEST(IsListedFontTest, FiltersRasterMacAndVerticalFaces) {
  EXPECT_TRUE(IsListedFont(false, 128, true, "IPAGothic"));
  EXPECT_FALSE(IsListedFont(true, 128, true, "System"));
  EXPECT_FALSE(IsListedFont(false, kMacCharset, false, "Osaka"));
  EXPECT_FALSE(IsListedFont(false, 128, true, "@IPAGothic"));
  EXPECT_TRUE(IsListedFont(false, 128, false, "@IPAGothic"));
  EXPECT_TRUE(IsListedFont(false, 0, true, ""));
}

TEST(ListedNamesTest, AddsTheScriptOnlyToFacesReportedMoreThanOnce) {
  FontRecord once{"Once", "Japanese", 128, 0, kFontKindTrueType};
  FontRecord twiceA{"Twice", "Western", 0, 0, kFontKindTrueType};
  FontRecord twiceB{"Twice", "Japanese", 128, 0, kFontKindTrueType};
  FontRecord plainA{"Plain", "", 0, 0, 0};
  FontRecord plainB{"Plain", "", 1, 0, 0};
  const std::vector<std::string> names = ListedNames({&twiceA, &once, &plainA, &twiceB, &plainB});
  EXPECT_EQ(names, (std::vector<std::string>{"Twice (Western)", "Once", "Plain", "Twice (Japanese)", "Plain"}));
  EXPECT_TRUE(ListedNames({}).empty());
}

}  // namespace
}  // namespace zettrella
