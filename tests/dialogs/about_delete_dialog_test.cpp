// The about box and the delete confirmation, opened and answered.
#include <gtest/gtest.h>

#include "notes/dialogs/about_dialog.h"
#include "notes/dialogs/delete_confirm_dialog.h"
#include "resources/zettrella_res.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

RECT DesktopWindowRect() {
  RECT rect{};
  GetWindowRect(GetDesktopWindow(), &rect);
  return rect;
}

const ScreenRect kDesktop{0, 0, 800, 600};

// Where a window of the given size lands when centred on the desktop inside
// the work area of its monitor.
POINT CentredAt(const RECT& window) {
  const RECT desktop = DesktopWindowRect();
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(GetDesktopWindow(), MONITOR_DEFAULTTONEAREST), &monitor);
  const LONG w = window.right - window.left;
  const LONG h = window.bottom - window.top;
  LONG x = (desktop.left + desktop.right) / 2 - w / 2;
  LONG y = (desktop.top + desktop.bottom) / 2 - h / 2;
  if (x < monitor.rcWork.left)
    x = monitor.rcWork.left;
  else if (x + w > monitor.rcWork.right)
    x = monitor.rcWork.right - w;
  if (y < monitor.rcWork.top)
    y = monitor.rcWork.top;
  else if (y + h > monitor.rcWork.bottom)
    y = monitor.rcWork.bottom - h;
  return {x, y};
}

TEST(AboutDialogTest, ShowsTheVersionCentredWithTheFocusOnOk) {
  AboutDialog dialog(nullptr);
  const INT_PTR result = RunDriven(dialog, [](HWND hwnd) {
    EXPECT_EQ(ControlText(hwnd, IDC_ABOUT_VERSION), "1.4");
    EXPECT_EQ(GetFocus(), GetDlgItem(hwnd, IDOK));
    RECT window{};
    GetWindowRect(hwnd, &window);
    const POINT expected = CentredAt(window);
    EXPECT_EQ(window.left, expected.x);
    EXPECT_EQ(window.top, expected.y);
    SaveScreenshot(hwnd, "about_dialog");
    PostKey(GetFocus(), VK_RETURN);
  });
  EXPECT_EQ(result, IDOK);
}

TEST(AboutDialogTest, ShowsTheProgramIcon) {
  AboutDialog dialog(nullptr);
  RunDriven(dialog, [](HWND hwnd) {
    HWND icon = nullptr;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) icon = child;
    }
    ASSERT_NE(icon, nullptr);
    EXPECT_NE(SendMessageA(icon, STM_GETICON, 0, 0), 0);
    Click(hwnd, IDOK);
  });
}

Note NoteAt(int32_t x, int32_t y) {
  Note note;
  note.inUse = true;
  note.id = 0;
  note.posX = x;
  note.posY = y;
  note.text = "abc";
  return note;
}

TEST(DeleteConfirmDialogTest, EnterConfirmsAndEscapeOrCloseBoxKeeps) {
  const Note note = NoteAt(50, 60);
  {
    DeleteConfirmDialog dialog(note, kDesktop, nullptr);
    const INT_PTR result = RunDriven(dialog, [](HWND hwnd) {
      EXPECT_EQ(GetFocus(), GetDlgItem(hwnd, IDOK));
      SaveScreenshot(hwnd, "delete_confirm_dialog");
      PostKey(GetFocus(), VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
  }
  {
    DeleteConfirmDialog dialog(note, kDesktop, nullptr);
    EXPECT_EQ(RunDriven(dialog, [](HWND) { PostKey(GetFocus(), VK_ESCAPE); }), IDCANCEL);
  }
  {
    DeleteConfirmDialog dialog(note, kDesktop, nullptr);
    EXPECT_EQ(RunDriven(dialog, [](HWND hwnd) { PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); }), IDCANCEL);
  }
  {
    DeleteConfirmDialog dialog(note, kDesktop, nullptr);
    EXPECT_EQ(RunDriven(dialog, [](HWND hwnd) { Click(hwnd, IDCANCEL); }), IDCANCEL);
  }
}

RECT ConfirmRect(const Note& note, const ScreenRect& desktop) {
  RECT opened{};
  DeleteConfirmDialog dialog(note, desktop, nullptr);
  RunDriven(dialog, [&](HWND hwnd) {
    GetWindowRect(hwnd, &opened);
    Click(hwnd, IDCANCEL);
  });
  return opened;
}

TEST(DeleteConfirmDialogTest, OpensAtTheNoteInsideTheDesktop) {
  const ScreenRect desktop{0, 0, 800, 600};
  RECT opened = ConfirmRect(NoteAt(-30, -5), desktop);
  EXPECT_EQ(opened.left, 0);
  EXPECT_EQ(opened.top, 0);
  opened = ConfirmRect(NoteAt(300, 200), desktop);
  EXPECT_EQ(opened.left, 300);
  EXPECT_EQ(opened.top, 200);
  // A note in the bottom-right corner: the dialog's corner on the desktop's.
  opened = ConfirmRect(NoteAt(799, 599), desktop);
  EXPECT_EQ(opened.right, 800);
  EXPECT_EQ(opened.bottom, 600);
}

}  // namespace
}  // namespace zettrella::testing
