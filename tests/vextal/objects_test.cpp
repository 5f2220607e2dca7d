// Desktop objects under Wine: ids, positions, stacking, the topmost state,
// the drawing lock and what reaches the screen.
#include <windows.h>

#include <algorithm>

#include "tests/support/win_test_support.h"
#include "tests/vextal/vextal_client.h"

namespace vextal::testing {
namespace {

using zettrella::testing::PumpPending;
using zettrella::testing::PumpUntil;

class Objects : public LoadedLibrary {
 protected:
  // An object with a plain image of the given size.
  int32_t Shown(int32_t x, int32_t y, int32_t priority, int32_t w = 60, int32_t h = 30) {
    const int32_t id = vx._create(x, y, 0, 0, priority);
    int32_t extra = 0;
    const int32_t bmp = vx._create_bitmap(w, h, &extra);
    vx._fill_rect(bmp, extra, 0, 0, w, h, 0x7FFFFF);
    vx._set_image_h(id, bmp, extra);
    return id;
  }
  HWND WindowAt(int32_t x, int32_t y) {
    for (HWND w : ObjectWindowsInZOrder()) {
      RECT r;
      GetWindowRect(w, &r);
      if (r.left == x && r.top == y) return w;
    }
    return nullptr;
  }
};

TEST_F(Objects, IdsArePositiveAndNeverReused) {
  const int32_t a = vx._create(10, 10, 0, 0, 1);
  const int32_t b = vx._create(20, 20, 0, 0, 1);
  EXPECT_GE(a, 0);
  EXPECT_GT(b, a);
  vx._delete(b);
  const int32_t c = vx._create(20, 20, 0, 0, 1);
  EXPECT_GT(c, b);
  // Not even after the library was unloaded and loaded again.
  vx._unload();
  vx._load(nullptr, 0);
  EXPECT_GT(vx._create(20, 20, 0, 0, 1), c);
}

TEST_F(Objects, PositionsFollowMovesAndUnknownIdsReadZero) {
  const int32_t id = Shown(100, 120, 1);
  EXPECT_EQ(vx._get_pos_x(id), 100);
  EXPECT_EQ(vx._get_pos_y(id), 120);
  vx._move(id, 15, -20);
  EXPECT_EQ(vx._get_pos_x(id), 115);
  EXPECT_EQ(vx._get_pos_y(id), 100);
  HWND w = WindowAt(115, 100);
  ASSERT_NE(w, nullptr);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right - r.left, 60);
  EXPECT_EQ(r.bottom - r.top, 30);

  vx._move(12345, 5, 5);
  EXPECT_EQ(vx._get_pos_x(12345), 0);
  EXPECT_EQ(vx._get_pos_y(-1), 0);
  vx._delete(id);
  EXPECT_EQ(vx._get_pos_x(id), 0);
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(Objects, AnObjectIsAToolPopupShownOnlyOnceItHasAnImage) {
  const int32_t id = vx._create(40, 40, 0, 0, 1);
  std::vector<HWND> windows = ObjectWindowsInZOrder();
  ASSERT_EQ(windows.size(), 1u);
  HWND w = windows[0];
  EXPECT_FALSE(IsWindowVisible(w));
  const LONG_PTR ex = GetWindowLongPtrA(w, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);  // no task bar button
  EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
  EXPECT_FALSE(ex & WS_EX_APPWINDOW);
  EXPECT_TRUE(GetWindowLongPtrA(w, GWL_STYLE) & WS_POPUP);

  int32_t extra = 0;
  const int32_t bmp = vx._create_bitmap(50, 20, &extra);
  vx._set_image_h(id, bmp, extra);
  EXPECT_TRUE(IsWindowVisible(w));
  // Bitmap 0 takes the image away again.
  vx._set_image_h(id, 0, 0);
  EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(Objects, GreaterPriorityLiesInFront) {
  const int32_t low = Shown(10, 10, 1);
  const int32_t high = Shown(30, 30, 5);
  const int32_t mid = Shown(50, 50, 3);
  auto order = [&] {
    std::vector<int32_t> ids;
    for (HWND w : ObjectWindowsInZOrder()) {
      RECT r;
      GetWindowRect(w, &r);
      ids.push_back(r.left == 10 ? low : r.left == 30 ? high : mid);
    }
    return ids;
  };
  EXPECT_EQ(order(), (std::vector<int32_t>{high, mid, low}));
  vx._set_priority(low, 9);
  EXPECT_EQ(order(), (std::vector<int32_t>{low, high, mid}));
  vx._set_priority(high, 2);
  EXPECT_EQ(order(), (std::vector<int32_t>{low, mid, high}));
  // Equal priorities: the newer object in front.
  vx._set_priority(mid, 9);
  EXPECT_EQ(order(), (std::vector<int32_t>{mid, low, high}));
}

TEST_F(Objects, RedrawBringsEveryObjectInFrontOfOtherWindowsInOrder) {
  const int32_t a = Shown(10, 10, 2);
  const int32_t b = Shown(30, 30, 1);
  HWND other = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr,
                               nullptr, nullptr, nullptr);
  SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  HWND wa = WindowAt(10, 10), wb = WindowAt(30, 30);
  ASSERT_LT(ZIndex(other), ZIndex(wa));

  vx._redraw();
  EXPECT_LT(ZIndex(wa), ZIndex(wb));
  EXPECT_LT(ZIndex(wb), ZIndex(other));
  EXPECT_EQ(vx._get_pos_x(a), 10);
  EXPECT_EQ(vx._get_pos_x(b), 30);
  DestroyWindow(other);
}

TEST_F(Objects, FloatingKeepsEveryObjectTopmostUntilSwitchedOff) {
  Shown(10, 10, 2);
  vx._floating(1);
  Shown(30, 30, 1);
  auto topmost = [](HWND w) { return (GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  std::vector<HWND> windows = ObjectWindowsInZOrder();
  ASSERT_EQ(windows.size(), 2u);
  for (HWND w : windows) EXPECT_TRUE(topmost(w));
  EXPECT_EQ(windows[0], WindowAt(10, 10));  // priority order kept

  vx._floating(0);
  windows = ObjectWindowsInZOrder();
  for (HWND w : windows) EXPECT_FALSE(topmost(w));
  EXPECT_EQ(windows[0], WindowAt(10, 10));
}

TEST_F(Objects, NothingReachesTheScreenWhileDrawingIsLocked) {
  const int32_t old = Shown(200, 200, 1);
  HWND oldWindow = WindowAt(200, 200);
  vx._lock_draw();
  vx._lock_draw();  // locks nest
  vx._delete(old);
  const int32_t id = Shown(300, 200, 1);
  vx._move(id, 10, 0);
  HWND w =
      ObjectWindowsInZOrder().front() == oldWindow ? ObjectWindowsInZOrder().back() : ObjectWindowsInZOrder().front();
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_TRUE(IsWindowVisible(oldWindow));  // the replaced note stays until unlock
  vx._unlock_draw();
  EXPECT_FALSE(IsWindowVisible(w));
  vx._unlock_draw();
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_FALSE(IsWindow(oldWindow));
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 310);
  vx._unlock_draw();  // unbalanced unlock is ignored
}

TEST_F(Objects, AnObjectOnNoMonitorIsShownWhereItCanBeGrabbed) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int32_t lost = Shown(-5000, 9000, 1, 80, 40);
  const int32_t x = vx._get_pos_x(lost), y = vx._get_pos_y(lost);
  EXPECT_EQ(x, work.left);
  EXPECT_EQ(y, work.bottom - 40);
  EXPECT_NE(WindowAt(x, y), nullptr);
  // Partly off the screen is still on it: it stays.
  const int32_t edge = Shown(-30, 100, 1, 80, 40);
  EXPECT_EQ(vx._get_pos_x(edge), -30);
  EXPECT_EQ(vx._get_pos_y(edge), 100);

  // Moved off every monitor, then the desktop changes: it comes back; the
  // object on the screen stays where it is.
  vx._move(edge, -1000, 0);
  vx._update_desktopsize();
  EXPECT_EQ(vx._get_pos_x(edge), work.left);
  EXPECT_EQ(vx._get_pos_y(edge), 100);
  EXPECT_EQ(vx._get_pos_x(lost), x);
  EXPECT_NE(WindowAt(work.left, 100), nullptr);
}

TEST_F(Objects, ACardReachesTheScreenWithItsColours) {
  vx._floating(1);
  const Card card = BuildCard(vx, 100, 100, 200, 1, "Red 赤い文字 text", 0x7FFFFF, 0xFF0000);
  ASSERT_GE(card.id, 0);
  const RECT area{100, 100, 300, 100 + card.height};
  ScreenShot shot;
  ASSERT_TRUE(PumpUntil([&] {
    shot = CaptureScreen(area);
    return shot.At(0, 0) == 0x000000 && shot.At(199, 0) == 0x000000 && shot.At(2, card.height - 2) == 0x7FFFFF;
  }));
  EXPECT_EQ(shot.At(100, 1), 0x7FFFFFu);
  int red = 0;
  for (int y = 1; y < card.height; ++y) {
    for (int x = 0; x < 200; ++x) red += shot.At(x, y) == 0xFF0000;
  }
  EXPECT_GT(red, 20);  // solid text pixels in the exact colour
  // Anything but the background lies inside the text rectangle: the text
  // and, with smoothing, its edges.
  for (int y = 1; y < card.height; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (shot.At(x, y) == 0x7FFFFF) continue;
      EXPECT_TRUE(x >= card.textRect.left && x < card.textRect.right && y >= card.textRect.top &&
                  y < card.textRect.bottom)
          << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace vextal::testing
