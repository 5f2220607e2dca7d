// Event records for real (synthetic) mouse input under Wine.
#include <windows.h>

#include <string>
#include <vector>

#include "common/protocol.h"
#include "tests/support/win_test_support.h"
#include "tests/vextal/vextal_client.h"

namespace vextal::testing {
namespace {

using zettrella::testing::PumpUntil;
using zettrella::testing::Record;
using zettrella::testing::SendMouse;

void MoveTo(int x, int y) { SendMouse(MOUSEEVENTF_MOVE, x, y); }

class Events : public LoadedLibrary {
 protected:
  void SetUp() override {
    LoadedLibrary::SetUp();
    // In front of every other window, so that the pointer meets the note.
    vx._floating(1);
    note = BuildCard(vx, 200, 200, 120, 1, "note", 0xFFFF7F, 0x808000);
    MoveTo(10, 10);
    POINT inside{230, 210};
    ASSERT_TRUE(PumpUntil([&] { return WindowFromPoint(inside) != nullptr; }));
  }
  bool WaitForRecords(size_t n) {
    return PumpUntil([&] { return sink.records.size() >= n; });
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const std::string& r : sink.records) names.push_back(Fields(r).at(0));
    return names;
  }
  Card note;
};

TEST_F(Events, ADragReportsPressMovesAlsoOutsideTheObjectAndRelease) {
  MoveTo(230, 210);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(WaitForRecords(1));
  EXPECT_EQ(sink.records[0], Record(zettrella::kEventLButtonDown, note.id, 230, 210));
  MoveTo(240, 215);
  ASSERT_TRUE(WaitForRecords(2));
  EXPECT_EQ(sink.records[1], Record(zettrella::kEventMouseMove, note.id, 240, 215));
  MoveTo(700, 600);  // far outside the note: still reported
  ASSERT_TRUE(WaitForRecords(3));
  EXPECT_EQ(sink.records[2], Record(zettrella::kEventMouseMove, note.id, 700, 600));
  SendMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitForRecords(4));
  EXPECT_EQ(sink.records[3], Record(zettrella::kEventLButtonUp, note.id, 700, 600));
  // Moves after the release are not reported.
  MoveTo(250, 220);
  SendMouse(MOUSEEVENTF_RIGHTDOWN);
  SendMouse(MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(WaitForRecords(5));
  EXPECT_EQ(Names().back(), zettrella::kEventRButtonUp);
  EXPECT_EQ(sink.records.size(), 5u);
}

TEST_F(Events, ANoteDraggedAsTheProgramDoesFollowsThePointer) {
  // The program moves the note by the pointer's steps while it is dragged.
  int lastX = 0, lastY = 0;
  sink.onRecord = [&](const std::vector<std::string>& f) {
    const int x = std::stoi(f.at(2)), y = std::stoi(f.at(3));
    if (f[0] == zettrella::kEventMouseMove) vx._move(std::stoi(f[1]), x - lastX, y - lastY);
    lastX = x;
    lastY = y;
  };
  MoveTo(230, 210);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(WaitForRecords(1));
  const POINT steps[] = {{235, 212}, {260, 230}, {300, 260}, {310, 300}};
  for (size_t i = 0; i < 4; ++i) {
    MoveTo(steps[i].x, steps[i].y);
    ASSERT_TRUE(WaitForRecords(2 + i));
    EXPECT_EQ(sink.records.back(), Record(zettrella::kEventMouseMove, note.id, steps[i].x, steps[i].y));
  }
  SendMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitForRecords(6));
  EXPECT_EQ(vx._get_pos_x(note.id), 200 + 310 - 230);
  EXPECT_EQ(vx._get_pos_y(note.id), 200 + 300 - 210);
  HWND w = WindowFromPoint({310, 300});
  RECT r{};
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 280);
  EXPECT_EQ(r.top, 290);
}

TEST_F(Events, ADoubleClickIsReported) {
  MoveTo(240, 215);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  SendMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitForRecords(3));
  EXPECT_EQ(Names(), (std::vector<std::string>{zettrella::kEventLButtonDown, zettrella::kEventLButtonUp,
                                               zettrella::kEventLButtonDoubleClick}));
  EXPECT_EQ(sink.records[2], Record(zettrella::kEventLButtonDoubleClick, note.id, 240, 215));
}

TEST_F(Events, NothingIsSentWithoutAnAttachedWindow) {
  vx._attach(0);
  MoveTo(240, 215);
  SendMouse(MOUSEEVENTF_RIGHTDOWN);
  SendMouse(MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(PumpUntil([] { return HIWORD(GetQueueStatus(QS_MOUSEBUTTON)) == 0; }));
  vx._attach(sink.handle32());
  MoveTo(245, 215);
  SendMouse(MOUSEEVENTF_RIGHTDOWN);
  SendMouse(MOUSEEVENTF_RIGHTUP);
  // Input is handled in order: once the second click is in, the first
  // would have been too.
  ASSERT_TRUE(WaitForRecords(1));
  EXPECT_EQ(sink.records, (std::vector<std::string>{Record(zettrella::kEventRButtonUp, note.id, 245, 215)}));
}

TEST_F(Events, ClickingANoteLeavesTheKeyboardFocusWhereItWas) {
  HWND top = CreateWindowExA(0, "STATIC", "typing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 400, 300, 200, nullptr,
                             nullptr, nullptr, nullptr);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 30, top, nullptr, nullptr, nullptr);
  SetForegroundWindow(top);
  SetFocus(edit);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == top && GetFocus() == edit; }));

  MoveTo(240, 215);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  MoveTo(260, 230);
  SendMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitForRecords(3));
  EXPECT_EQ(Names(), (std::vector<std::string>{zettrella::kEventLButtonDown, zettrella::kEventMouseMove,
                                               zettrella::kEventLButtonUp}));
  EXPECT_EQ(GetForegroundWindow(), top);
  EXPECT_EQ(GetFocus(), edit);
  DestroyWindow(top);
}

}  // namespace
}  // namespace vextal::testing
