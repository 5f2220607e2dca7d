// The contract's edges: exactly the 24 exports, bad arguments of every
// kind, ownership of the string blocks, and no objects left behind.
#include <windows.h>

#include <climits>
#include <set>
#include <string>

#include "tests/support/win_test_support.h"
#include "tests/vextal/vextal_client.h"

namespace vextal::testing {
namespace {

// Every GlobalFree the library makes, caught by pointing its import of
// GlobalFree at a counter.
std::multiset<const void*> g_freed;
decltype(&GlobalFree) g_realGlobalFree = nullptr;

HGLOBAL WINAPI CountingGlobalFree(HGLOBAL block) {
  g_freed.insert(block);
  return g_realGlobalFree(block);
}

bool HookGlobalFree(HMODULE module) {
  const FARPROC real = zettrella::testing::SwapImport(
      module, "kernel32.dll", "GlobalFree", reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&CountingGlobalFree)));
  g_realGlobalFree = reinterpret_cast<decltype(&GlobalFree)>(reinterpret_cast<void*>(real));
  return real != nullptr;
}

// Runs call and tells whether it freed block exactly once. Counting per
// call matters: the heap hands a freed address out again at once.
template <class F>
bool FreesOnce(const char* block, F call) {
  g_freed.clear();
  call();
  return g_freed.count(block) == 1;
}

size_t ObjectWindowCount() { return ObjectWindowsInZOrder().size(); }

TEST(Exports, ExactlyTheTwentyFourNames) {
  Client vx;
  ASSERT_TRUE(vx.Open());  // every name resolves
  const auto* base = reinterpret_cast<const BYTE*>(vx.module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::set<std::string> found;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    found.insert(reinterpret_cast<const char*>(base + names[i]));
  }
  std::set<std::string> expected;
#define VEXTAL_NAME(name, result, params) expected.insert(#name);
  VEXTAL_ENTRY_POINTS(VEXTAL_NAME)
#undef VEXTAL_NAME
  EXPECT_EQ(expected.size(), 24u);
  EXPECT_EQ(found, expected);
  EXPECT_EQ(exports->NumberOfFunctions, 24u);
  vx.Close();
}

TEST(Lifecycle, CallsBeforeLoadAndAfterUnloadDoNothing) {
  Client vx;
  ASSERT_TRUE(vx.Open());
  ASSERT_TRUE(HookGlobalFree(vx.module));
  char* name = NewBlock("ＭＳ ゴシック");
  EXPECT_EQ(vx._create(0, 0, 0, 0, 0), -1);
  // Owned and freed even when nothing else happens.
  EXPECT_TRUE(FreesOnce(name, [&] { EXPECT_EQ(vx._create_font(name, 13, 9), 0); }));
  int32_t extra = 77, len = 77;
  EXPECT_EQ(vx._create_bitmap(10, 10, &extra), 0);
  EXPECT_EQ(extra, 0);
  EXPECT_EQ(vx._word_wrap(NewBlock("abc"), 3, 0, 100, &len), nullptr);
  EXPECT_EQ(len, 0);
  vx._unload();
  vx._redraw();
  vx._lock_draw();
  vx._unlock_draw();
  vx._load(nullptr, 0);
  vx._unload();
  vx._unload();
  EXPECT_EQ(vx._get_pos_x(1), 0);
  vx.Close();
}

class LoadedRobustness : public LoadedLibrary {};

TEST_F(LoadedRobustness, EveryStringBlockIsFreedOnce) {
  ASSERT_TRUE(HookGlobalFree(vx.module));
  char* dir = NewBlock("C:\\dir");
  vx._unload();
  EXPECT_TRUE(FreesOnce(dir, [&] { vx._load(dir, 6); }));
  char* name = NewBlock("Arial");
  int32_t font = 0;
  EXPECT_TRUE(FreesOnce(name, [&] { font = vx._create_font(name, 5, 10); }));
  char* text = NewBlock("some text");
  int32_t len = 0;
  char* out = nullptr;
  EXPECT_TRUE(FreesOnce(text, [&] { out = vx._word_wrap(text, 9, font, 100, &len); }));
  EXPECT_EQ(g_freed.count(out), 0u);  // the result is the caller's
  GlobalFree(out);
  char* drawn = NewBlock("drawn");
  Rect r{0, 0, 100, 0};
  EXPECT_TRUE(FreesOnce(drawn, [&] { vx._draw_text(0, drawn, 5, font, 0, &r, kMeasureOnly); }));
  // Without a place for the length the result could not be freed: none is
  // made, and the text is still freed.
  char* lost = NewBlock("lost");
  EXPECT_TRUE(FreesOnce(lost, [&] { EXPECT_EQ(vx._word_wrap(lost, 4, font, 100, nullptr), nullptr); }));
  // A negative length, and a length longer than the block, read no more
  // than the block and still free it.
  char* negative = NewBlock("neg");
  EXPECT_TRUE(FreesOnce(negative, [&] { vx._create_font(negative, -4, 9); }));
  char* shortBlock = NewBlock("ab");
  len = 0;
  EXPECT_TRUE(FreesOnce(shortBlock, [&] { out = vx._word_wrap(shortBlock, 1 << 30, font, 1000, &len); }));
  EXPECT_GE(len, 2);
  EXPECT_LE(static_cast<SIZE_T>(len), 64u);
  if (out) GlobalFree(out);
}

TEST_F(LoadedRobustness, UnknownIdsAndHandlesAreIgnored) {
  for (int32_t bad : {-1, 0, 999999, INT_MIN, INT_MAX}) {
    vx._delete(bad);
    vx._move(bad, 5, 5);
    vx._set_priority(bad, 3);
    vx._set_image_h(bad, bad, bad);
    vx._update_image_h(bad);
    vx._delete_font(bad);
    vx._delete_bitmap(bad);
    vx._fill_rect(bad, bad, 0, 0, 10, 10, 0);
    vx._draw_line(bad, bad, 0, 0, 10, 10, 0);
    Rect r{0, 0, 10, 10};
    vx._draw_text(bad, NewBlock("x"), 1, bad, 0, &r, 0);
    EXPECT_EQ(vx._get_pos_x(bad), 0);
    EXPECT_EQ(vx._get_pos_y(bad), 0);
  }
  // A right handle with a wrong companion value does not reach the bitmap.
  int32_t extra = 0;
  const int32_t bmp = vx._create_bitmap(20, 20, &extra);
  const int32_t id = vx._create(10, 10, 0, 0, 1);
  vx._set_image_h(id, bmp, extra + 1);
  EXPECT_FALSE(IsWindowVisible(ObjectWindowsInZOrder().at(0)));
  vx._set_image_h(id, bmp, extra);
  EXPECT_TRUE(IsWindowVisible(ObjectWindowsInZOrder().at(0)));
  // The bitmap deleted under a shown object: the object keeps its last image.
  vx._delete_bitmap(bmp);
  vx._update_image_h(id);
  vx._redraw();
  EXPECT_TRUE(IsWindowVisible(ObjectWindowsInZOrder().at(0)));
}

TEST_F(LoadedRobustness, BadSizesAndNullsNeverCrash) {
  int32_t extra = 5;
  EXPECT_EQ(vx._create_bitmap(0, 10, &extra), 0);
  EXPECT_EQ(extra, 0);
  EXPECT_EQ(vx._create_bitmap(10, -1, &extra), 0);
  const int32_t bmp = vx._create_bitmap(10, 10, nullptr);
  EXPECT_NE(bmp, 0);

  int32_t realExtra = 0;
  const int32_t b = vx._create_bitmap(16, 16, &realExtra);
  vx._fill_rect(b, realExtra, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0xFF);
  vx._fill_rect(b, realExtra, 0, 0, -5, -5, 0xFF);
  vx._draw_line(b, realExtra, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0xFF);
  vx._draw_line(b, realExtra, -100000, 5, 100000, 7, 0xFF);

  const int32_t font = vx._create_font(nullptr, 40, -3);  // no block, bad size
  EXPECT_NE(font, 0);
  EXPECT_NE(vx._create_font(NewBlock("x"), -1, INT_MAX), 0);
  const std::string longName(300, 'a');
  EXPECT_NE(vx._create_font(NewBlock(longName), 300, 12), 0);
  vx._draw_text(b, NewBlock("text"), 4, font, 0, nullptr, 0);
  vx._draw_text(0, NewBlock("text"), 4, font, 0, nullptr, kMeasureOnly);
  Rect inverted{50, 50, 10, 10};
  vx._draw_text(b, NewBlock("text"), 4, font, 0, &inverted, 0);
  vx._draw_text(0, NewBlock("text"), 4, font, 0, &inverted, kMeasureOnly);
  Rect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  vx._draw_text(b, NewBlock("text\r\nmore"), 10, font, 0, &huge, 0);
  vx._draw_text(0, NewBlock("text\r\nmore"), 10, font, 0, &huge, kMeasureOnly);
  EXPECT_LT(huge.bottom, 0);
  Rect low{0, INT_MAX - 5, 100, 0};
  vx._draw_text(0, NewBlock("text\r\nmore"), 10, font, 0, &low, kMeasureOnly);
  EXPECT_EQ(low.bottom, INT_MAX);  // saturated, not wrapped around
  const std::string lead(1, '\x82');
  EXPECT_EQ(WordWrap(vx, lead, font, 50), lead);  // a lone lead byte

  const int32_t id = vx._create(INT_MAX, INT_MIN, 0, 0, INT_MIN);
  vx._move(id, INT_MAX, INT_MAX);
  vx._set_image_h(id, b, realExtra);
  vx._move(id, INT_MIN, INT_MIN);
  vx._update_desktopsize();
  vx._attach(-1);
  vx._attach(0x7FFFFFFF);
  vx._floating(12345);
  vx._floating(0);
}

// Too large a request gets the largest bitmap (cut to 32767 a side and
// 2^26 pixels) rather than none, so the object still shows.
TEST_F(LoadedRobustness, OversizedBitmapsAreClippedNotRefused) {
  int32_t extra = 0;
  const int32_t largest = vx._create_bitmap(INT_MAX, INT_MAX, &extra);
  EXPECT_NE(largest, 0);
  EXPECT_NE(extra, 0);
  vx._delete_bitmap(largest);

  const int32_t wide = vx._create_bitmap(3000000, 30, &extra);
  ASSERT_NE(wide, 0);
  vx._fill_rect(wide, extra, 0, 0, 3000000, 30, 0x7FFFFF);
  const int32_t id = vx._create(10, 10, 0, 0, 1);
  vx._set_image_h(id, wide, extra);
  HWND window = ObjectWindowsInZOrder().at(0);
  EXPECT_TRUE(IsWindowVisible(window));
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, 32767);
  EXPECT_EQ(r.bottom - r.top, 30);
}

// GetGuiResources counts on Windows; Wine answers 0, so there the GDI
// table is checked by exhausting it instead: leaking even one handle per
// font-and-bitmap cycle would run Wine's table (65480 handles) dry before
// the end. Windows are counted directly.
TEST(Leaks, ManyCyclesLeaveNoObjectsBehind) {
  Client vx;
  ASSERT_TRUE(vx.Open());
  const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD userBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int round = 0; round < 10; ++round) {
    vx._load(nullptr, 0);
    for (int i = 0; i < 10; ++i) {
      const Card card = BuildCard(vx, 20 * i, 20 * i, 150, i, "漢字 and text 一緒", 0xFF7FFF, 0x800080);
      ASSERT_GE(card.id, 0);
      ASSERT_NE(card.bitmap, 0);
      if (i % 2) {
        vx._delete(card.id);
        vx._delete_bitmap(card.bitmap);
      }
    }
    vx._lock_draw();  // left locked on purpose: unload must still clean up
    vx._delete(vx._create(5, 5, 0, 0, 1));
    vx._unload();
    ASSERT_EQ(ObjectWindowCount(), 0u) << "round " << round;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    EXPECT_FALSE(GetClassInfoExA(vx.module, "VextalObject", &wc));
  }
  vx._load(nullptr, 0);
  for (int i = 0; i < 66000; ++i) {
    int32_t extra = 0;
    const int32_t font = vx._create_font(NewBlock("Arial"), 5, 10);
    const int32_t bmp = vx._create_bitmap(8, 8, &extra);
    ASSERT_NE(font, 0) << "cycle " << i;
    ASSERT_NE(bmp, 0) << "cycle " << i;
    vx._delete_font(font);
    vx._delete_bitmap(bmp);
  }
  for (int i = 0; i < 1000; ++i) {
    const int32_t id = vx._create(0, 0, 0, 0, 0);
    ASSERT_GE(id, 0) << "cycle " << i;
    vx._delete(id);
  }
  vx._unload();
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), userBefore);
  vx.Close();
}

}  // namespace
}  // namespace vextal::testing
