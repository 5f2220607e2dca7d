// The dialog driver: a thread timer, whose callback the dialog's own loop
// dispatches, runs the test's action once the dialog is up.
#include "tests/dialogs/dialog_driver.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/win_handles.h"

namespace zettrella::testing {

namespace {

constexpr UINT kPollMs = 10;
constexpr DWORD kGiveUpMs = 20000;
// How long a shown dialog may wait to become the active window (the first
// window of a Wine session can lose activation to the desktop starting up).
constexpr DWORD kActivationMs = 3000;

// The one dialog being driven; dialogs run one at a time on the test thread.
struct Drive {
  ui::Dialog* dialog = nullptr;
  const std::function<void(HWND)>* act = nullptr;
  bool acted = false;
  DWORD shownAt = 0;
  DWORD actedAt = 0;
  UINT_PTR timer = 0;
};
Drive* current = nullptr;

void CALLBACK OnDriveTimer(HWND, UINT, UINT_PTR, DWORD) {
  Drive* drive = current;
  if (!drive) return;
  HWND hwnd = drive->dialog->hwnd();
  if (!hwnd || !IsWindowVisible(hwnd)) return;
  if (!drive->shownAt) drive->shownAt = GetTickCount();
  // Keyboard input and the focus belong to the active window: act once the
  // dialog is in front, as it is for a user.
  if (!drive->acted && GetForegroundWindow() != hwnd && GetTickCount() - drive->shownAt < kActivationMs) {
    SetForegroundWindow(hwnd);
    return;
  }
  if (!drive->acted) {
    drive->acted = true;
    drive->actedAt = GetTickCount();
    (*drive->act)(hwnd);
    return;
  }
  if (GetTickCount() - drive->actedAt > kGiveUpMs) {
    ADD_FAILURE() << "the dialog did not close after the test's action";
    drive->dialog->EndModal(IDCANCEL);
  }
}

}  // namespace

INT_PTR RunDriven(ui::Dialog& dialog, const std::function<void(HWND)>& act) {
  Drive drive;
  drive.dialog = &dialog;
  drive.act = &act;
  current = &drive;
  drive.timer = SetTimer(nullptr, 0, kPollMs, &OnDriveTimer);
  const INT_PTR result = dialog.RunModal();
  KillTimer(nullptr, drive.timer);
  current = nullptr;
  EXPECT_TRUE(drive.acted) << "the dialog never became visible";
  return result;
}

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void Type(HWND dialog, int id, const std::string& text) {
  HWND control = GetDlgItem(dialog, id);
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  if (GetComboBoxInfo(control, &combo) && combo.hwndItem) control = combo.hwndItem;
  // Characters as the keyboard delivers them: select everything, delete it,
  // then each character, so that the edit notifies and applies its limit.
  SendMessageA(control, EM_SETSEL, 0, -1);
  SendMessageW(control, WM_CHAR, VK_BACK, 1);
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                                      static_cast<int>(wide.size()))));
  for (wchar_t c : wide) SendMessageW(control, WM_CHAR, c, 1);

  // The combo boxes' edit fields do not scroll, so they refuse characters
  // beyond their width; such a text is put in as a whole instead.
  char typed[4096] = {};
  GetWindowTextA(control, typed, sizeof typed);
  if (text != typed) {
    if (combo.hwndItem) SendMessageA(combo.hwndCombo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(control, text.c_str());
  }
}

std::string ControlText(HWND dialog, int id) {
  char text[4096] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SaveScreenshot(HWND window, const std::string& name) {
  char folder[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("ZETTRELLA_SCREENSHOTS", folder, sizeof folder)) return;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;

  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  header.biSizeImage = static_cast<DWORD>(stride * height);
  std::vector<char> pixels(header.biSizeImage);

  {
    WindowDc screen(nullptr);
    UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    {
      SelectedObject selected(memory.get(), bitmap.get());
      BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
    }
    GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  }

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  const std::string path = std::string(folder) + "\\" + name + ".bmp";
  UniqueFile out(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out) return;
  DWORD written = 0;
  WriteFile(out.get(), &file, sizeof file, &written, nullptr);
  WriteFile(out.get(), &header, sizeof header, &written, nullptr);
  WriteFile(out.get(), pixels.data(), header.biSizeImage, &written, nullptr);
}

}  // namespace zettrella::testing
