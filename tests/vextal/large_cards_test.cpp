// The note program with the real layer library: notes larger than the layer
// draws still come up on the screen where the mouse can take them, drawn
// clipped, and the sizes in the settings file stay as the user set them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "notes/card/card_size.h"
#include "tests/support/zettrella_run.h"

namespace zettrella::testing {
namespace {

struct StoredCard {
  int x;
  int y;
  std::string width;
};

std::string Settings(const std::string& systemHeight, const std::vector<StoredCard>& cards) {
  std::string ini = "[System]\r\nTrayDelay=0\r\n";
  if (!systemHeight.empty()) ini += "Height=" + systemHeight + "\r\n";
  for (size_t i = 0; i < cards.size(); ++i) {
    ini += "[Husen" + std::to_string(i + 1) + "]\r\nID=" + std::to_string(i) +
           "\r\nPosX=" + std::to_string(cards[i].x) + "\r\nPosY=" + std::to_string(cards[i].y) +
           "\r\nWidth=" + cards[i].width + "\r\nText=card " + std::to_string(i + 1) + "\r\n";
  }
  return ini;
}

std::vector<HWND> ShownCards(DWORD process) {
  std::vector<HWND> shown;
  for (HWND window : WindowsOfProcess(process, "VextalObject")) {
    if (IsWindowVisible(window)) shown.push_back(window);
  }
  return shown;
}

// The window's part on the primary screen, empty when it has none.
RECT OnScreen(HWND window) {
  RECT r{}, part{};
  GetWindowRect(window, &r);
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&part, &r, &screen);
  return part;
}

TEST(LargeCards, AreShownClippedWhereTheyCanBeGrabbedAndKeepTheirStoredSize) {
  struct Case {
    const char* name;
    std::string systemHeight;
    std::vector<StoredCard> cards;
  };
  const Case cases[] = {
      {"wide", "", {{-100, 300, "3000000"}}},
      {"tall", "2000000000", {{40, 40, "200"}, {400, 40, "3000000"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ZettrellaRun run(Settings(c.systemHeight, c.cards), Layer::kReal);
    ASSERT_TRUE(run.Start());
    std::vector<HWND> shown;
    EXPECT_TRUE(PumpUntil([&] { return (shown = ShownCards(run.process().Id())).size() == c.cards.size(); }))
        << shown.size() << " of " << c.cards.size() << " cards shown";
    for (HWND card : shown) {
      const RECT part = OnScreen(card);
      ASSERT_FALSE(IsRectEmpty(&part));
      const POINT inside{(part.left + part.right) / 2, (part.top + part.bottom) / 2};
      EXPECT_EQ(WindowFromPoint(inside), card);
      RECT r{};
      GetWindowRect(card, &r);
      EXPECT_LE(r.right - r.left, kMaxCardSide);
      EXPECT_LE(int64_t{r.right - r.left} * (r.bottom - r.top), kMaxCardPixels);
    }
    ASSERT_TRUE(run.Quit());
    EXPECT_EQ(run.Ini("System", "Height"), c.systemHeight.empty() ? "<missing>" : c.systemHeight);
    for (size_t i = 0; i < c.cards.size(); ++i) {
      EXPECT_EQ(run.Ini("Husen" + std::to_string(i + 1), "Width"), c.cards[i].width);
    }
  }
}

}  // namespace
}  // namespace zettrella::testing
