// The note program with the real layer library on a screen of another DPI,
// the one the prefix's LogPixels sets and ZETTRELLA_TEST_DPI names: the card
// is drawn that many 96ths as large, in the same lines, at the scaled place,
// and a drag with the real pointer stores its travel in 96-DPI pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/zettrella_run.h"

namespace zettrella::testing {
namespace {

TEST(DisplayScale, ANoteIsDrawnScaledInItsLinesAtItsPlaceAndADragStoresStoredUnits) {
  const char* named = std::getenv("ZETTRELLA_TEST_DPI");
  ASSERT_NE(named, nullptr);
  const int dpi = std::atoi(named);
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi) << "the prefix's LogPixels";
  ReleaseDC(nullptr, screen);
  const auto scaled = [dpi](int stored) { return (stored * dpi + 48) / 96; };

  // Half the text (21 half-width characters) takes about half the line of a
  // note of Width 200, the whole of it more than the line: it shows two
  // lines as at 96 DPI, as many as the wide note whose lines are broken in
  // its text.
  const std::string word(10, 'M'), line = word + " " + word;
  ZettrellaRun run(
      "[System]\r\nTrayDelay=0\r\nFloating=On\r\n[Husen1]\r\nID=0\r\nPosX=100\r\nPosY=80\r\nWidth=200\r\n"
      "Text=" +
          line + " " + line +
          "\r\n[Husen2]\r\nID=1\r\nPosX=0\r\nPosY=300\r\n"
          "Width=600\r\nText=" +
          line + "\\n" + line + "\r\n",
      Layer::kReal);
  ASSERT_TRUE(run.Start());
  std::vector<HWND> cards;
  ASSERT_TRUE(PumpUntil([&] { return (cards = WindowsOfProcess(run.process().Id(), "VextalObject")).size() == 2; }));
  RECT wrapped{}, broken{};
  GetWindowRect(cards[0], &wrapped);
  GetWindowRect(cards[1], &broken);
  if (wrapped.top > broken.top) {
    std::swap(wrapped, broken);
    std::swap(cards[0], cards[1]);
  }
  EXPECT_EQ(wrapped.left, scaled(100));
  EXPECT_EQ(wrapped.top, scaled(80));
  EXPECT_EQ(wrapped.right - wrapped.left, scaled(200));
  EXPECT_EQ(broken.top, scaled(300));
  EXPECT_EQ(wrapped.bottom - wrapped.top, broken.bottom - broken.top);

  const POINT grab{wrapped.left + 20, wrapped.top + 10};
  SendMouse(MOUSEEVENTF_MOVE, grab.x, grab.y);
  ASSERT_TRUE(PumpUntil([&] { return WindowFromPoint(grab) == cards[0]; }));
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  // The drag starts once the card has taken the press (it captures the mouse).
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  const DWORD threadId = GetWindowThreadProcessId(cards[0], nullptr);
  ASSERT_TRUE(PumpUntil([&] { return GetGUIThreadInfo(threadId, &thread) && thread.hwndCapture != nullptr; }));
  SendMouse(MOUSEEVENTF_MOVE, grab.x + 60, grab.y + 30);
  // Released once the card has followed, as a hand would: a release sent
  // right behind the move was once taken short of it on a loaded machine.
  RECT moved{};
  ASSERT_TRUE(PumpUntil([&] {
    GetWindowRect(cards[0], &moved);
    return moved.left == wrapped.left + 60 && moved.top == wrapped.top + 30;
  })) << moved.left
      << "," << moved.top;
  SendMouse(MOUSEEVENTF_LEFTUP);
  const std::string x = std::to_string(100 + 60 * 96 / dpi), y = std::to_string(80 + 30 * 96 / dpi);
  EXPECT_TRUE(PumpUntil([&] { return run.Ini("Husen1", "PosX") == x && run.Ini("Husen1", "PosY") == y; }, 20000))
      << run.Ini("Husen1", "PosX") << "," << run.Ini("Husen1", "PosY");
  ASSERT_TRUE(run.Quit());
}

}  // namespace
}  // namespace zettrella::testing
