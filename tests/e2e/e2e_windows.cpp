// The end-to-end driver's eyes on the Windows side, and one window of its own:
//   e2e-windows list                        prints every visible top-level window:
//                                           hwnd, class, x y w h, title, child texts
//   e2e-windows wait CLASS TITLE MS [CHILD] waits until a visible top-level window
//                                           of that class and title exists (either
//                                           may be "*"), then prints "hwnd x y w h";
//                                           with CHILD (a control's text, or #id)
//                                           also the screen centre of that control
//   e2e-windows gone CLASS TITLE MS         waits until no such window is visible
//   e2e-windows cover X Y W H [MS]          shows a plain green window over that
//                                           rectangle for MS (default 120000) ms;
//                                           its title counts the clicks it has
//                                           handled: "e2e-cover", "e2e-cover 1", ...
// The driver only looks with this tool; every action on the program goes
// through real X input. Texts are exchanged in UTF-8. Exit code 0 on success,
// 1 on a time-out, 2 on a usage error.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kCoverColour = RGB(0, 255, 0);
constexpr UINT_PTR kCoverTimer = 1;
constexpr DWORD kPollMs = 50;

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

// The window text through a bounded WM_GETTEXT, so that a busy program cannot
// hang the driver.
std::wstring TextOf(HWND window) {
  wchar_t buffer[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, sizeof buffer / sizeof buffer[0], reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 1000, &copied)) {
    return {};
  }
  return buffer;
}

std::wstring ClassOf(HWND window) {
  wchar_t buffer[256] = {};
  GetClassNameW(window, buffer, sizeof buffer / sizeof buffer[0]);
  return buffer;
}

std::vector<HWND> VisibleTopLevel() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM param) CALLBACK -> BOOL {
        if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM param) CALLBACK -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

bool Matches(const std::wstring& pattern, const std::wstring& value) { return pattern == L"*" || pattern == value; }

std::vector<HWND> FindTopLevel(const std::wstring& className, const std::wstring& title) {
  std::vector<HWND> found;
  for (HWND window : VisibleTopLevel()) {
    if (Matches(className, ClassOf(window)) && Matches(title, TextOf(window))) found.push_back(window);
  }
  return found;
}

HWND FindChild(HWND parent, const std::wstring& child) {
  const bool byId = !child.empty() && child[0] == L'#';
  const int id = byId ? _wtoi(child.c_str() + 1) : 0;
  for (HWND window : Children(parent)) {
    if (byId ? GetDlgCtrlID(window) == id : TextOf(window) == child) return window;
  }
  return nullptr;
}

void Print(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
}

std::string RectText(const RECT& r) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return buffer;
}

std::string HandleText(HWND window) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%llu", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(window)));
  return buffer;
}

int List() {
  for (HWND window : VisibleTopLevel()) {
    RECT r{};
    GetWindowRect(window, &r);
    std::string line =
        HandleText(window) + "\t" + Utf8(ClassOf(window)) + "\t" + RectText(r) + "\t" + Utf8(TextOf(window)) + "\t";
    for (HWND child : Children(window)) {
      const std::wstring text = TextOf(child);
      if (!text.empty()) line += "[" + Utf8(text) + "]";
    }
    Print(line);
  }
  return 0;
}

int Wait(const std::wstring& className, const std::wstring& title, DWORD timeoutMs, const std::wstring* child) {
  const DWORD start = GetTickCount();
  for (;;) {
    // Several windows may share a class and a title (the program's hidden
    // main window is an untitled dialog too): the first with the control wins.
    for (HWND window : FindTopLevel(className, title)) {
      HWND control = child ? FindChild(window, *child) : nullptr;
      if (child && !control) continue;
      RECT r{};
      GetWindowRect(window, &r);
      std::string line = HandleText(window) + " " + RectText(r);
      if (control) {
        RECT c{};
        GetWindowRect(control, &c);
        char centre[48];
        std::snprintf(centre, sizeof centre, " %ld %ld", (c.left + c.right) / 2, (c.top + c.bottom) / 2);
        line += centre;
      }
      Print(line);
      return 0;
    }
    if (GetTickCount() - start > timeoutMs) return 1;
    Sleep(kPollMs);  // a poll interval, not a wait for an outcome
  }
}

int Gone(const std::wstring& className, const std::wstring& title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!FindTopLevel(className, title).empty()) {
    if (GetTickCount() - start > timeoutMs) return 1;
    Sleep(kPollMs);  // a poll interval, not a wait for an outcome
  }
  return 0;
}

LRESULT CALLBACK CoverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      // Without a window manager nothing raises a clicked window on the X
      // side, so the window does what a user's click does on Windows.
      SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      SetForegroundWindow(window);
      {
        // The driver waits for this sign before it looks at the screen.
        static int clicks = 0;
        wchar_t title[32];
        std::swprintf(title, sizeof title / sizeof title[0], L"e2e-cover %d", ++clicks);
        SetWindowTextW(window, title);
      }
      return 0;
    case WM_TIMER:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

int Cover(int x, int y, int width, int height, UINT lifetimeMs) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = CoverProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = CreateSolidBrush(kCoverColour);
  windowClass.lpszClassName = L"ZettrellaE2ECover";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"e2e-cover", WS_POPUP, x, y, width, height, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  SetTimer(window, kCoverTimer, lifetimeMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

int Usage() {
  std::fputs("usage: e2e-windows list | wait CLASS TITLE MS [CHILD] | gone CLASS TITLE MS | cover X Y W H [MS]\n",
             stderr);
  return 2;
}

}  // namespace

int main() {
  _setmode(_fileno(stdout), _O_BINARY);
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 2) return Usage();
  const std::wstring command = argv[1];
  int status = 2;
  if (command == L"list") {
    status = List();
  } else if (command == L"wait" && (argc == 5 || argc == 6)) {
    const std::wstring child = argc == 6 ? argv[5] : L"";
    status = Wait(argv[2], argv[3], static_cast<DWORD>(_wtol(argv[4])), argc == 6 ? &child : nullptr);
  } else if (command == L"gone" && argc == 5) {
    status = Gone(argv[2], argv[3], static_cast<DWORD>(_wtol(argv[4])));
  } else if (command == L"cover" && (argc == 6 || argc == 7)) {
    status = Cover(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]),
                   argc == 7 ? static_cast<UINT>(_wtol(argv[6])) : 120000);
  } else {
    status = Usage();
  }
  LocalFree(argv);
  std::fflush(stdout);
  return status;
}
