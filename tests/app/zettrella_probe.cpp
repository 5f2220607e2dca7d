// A small tool for the scripts that drive the running programs from outside:
// tools/run, tools/bench, tools/screenshot and tests/e2e/run.
//   zettrella-probe quit              posts the quit message to the program
//   zettrella-probe wait-shown N [ms] waits until the program shows N note
//                                     windows, then prints the time since
//                                     its process started and its peak memory
//   zettrella-probe sizes             prints the size of each shown note
//                                     window as WIDTHxHEIGHT, one per line
//   zettrella-probe store-file        prints the path of the backing file of
//                                     the store the program publishes in
// The program is found through the window it publishes in its store.
//   zettrella-probe list              prints every visible top-level window:
//                                     hwnd, class, x y w h, title, child texts
//   zettrella-probe wait CLASS TITLE MS [CHILD]
//                                     waits until a visible top-level window
//                                     of that class and title exists (either
//                                     may be "*"), then prints "hwnd x y w h";
//                                     with CHILD (a control's text, or #id)
//                                     also the screen centre of that control
//   zettrella-probe gone CLASS TITLE MS
//                                     waits until no such window is visible
//   zettrella-probe cover X Y W H [MS]
//                                     shows a plain green window over that
//                                     rectangle for MS (default 120000) ms;
//                                     its title counts the clicks it has
//                                     handled: "e2e-cover", "e2e-cover 1", ...
// The end-to-end driver acts on the programs' windows only through real X
// input; it uses this tool to look at windows, wait for the notes, find the
// store file, put up a cover window and stop the program. Their texts are exchanged in UTF-8.
// Exit code 0 on success, 1 on a time-out or when no program runs, 2 on a
// usage error.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "common/protocol.h"
#include "common/shared_value_store.h"
#include "common/store_format.h"

namespace {

// The program's main window, or null when none runs.
HWND MainWindowOfProgram() {
  HWND window = zettrella::PublishedWindow();
  return window && IsWindow(window) ? window : nullptr;
}

constexpr DWORD kPollMs = 50;
// wait-shown looks more often: its time is the benchmark's figure.
constexpr DWORD kShownPollMs = 20;

// Calls found() every intervalMs until it is true; false when timeoutMs
// passed first.
bool Poll(DWORD timeoutMs, DWORD intervalMs, const std::function<bool()>& found) {
  const DWORD start = GetTickCount();
  while (!found()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(intervalMs);  // a poll interval, not a wait for an outcome
  }
  return true;
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

// The shown windows of the program other than its main window: its notes.
std::vector<HWND> ShownNotes(HWND main) {
  DWORD program = 0;
  GetWindowThreadProcessId(main, &program);
  std::vector<HWND> notes;
  for (HWND window : VisibleTopLevel()) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == program && window != main) notes.push_back(window);
  }
  return notes;
}

uint64_t Ticks(const FILETIME& time) { return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime; }

int WaitShown(size_t wanted, DWORD timeoutMs) {
  HWND main = nullptr;
  size_t shown = 0;
  if (!Poll(timeoutMs, kShownPollMs, [&] {
        main = MainWindowOfProgram();
        shown = main ? ShownNotes(main).size() : 0;
        return main && shown >= wanted;
      })) {
    std::fprintf(stderr, "zettrella-probe: %u note windows not shown in time\n", static_cast<unsigned>(wanted));
    return 1;
  }
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  DWORD program = 0;
  GetWindowThreadProcessId(main, &program);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program);
  FILETIME created{}, exited{}, kernel{}, user{};
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (process) {
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    GetProcessMemoryInfo(process, &memory, sizeof memory);
    CloseHandle(process);
  }
  std::printf("notes_shown=%u startup_ms=%llu peak_working_set_kb=%llu peak_pagefile_kb=%llu\n",
              static_cast<unsigned>(shown), static_cast<unsigned long long>((Ticks(now) - Ticks(created)) / 10000),
              static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024),
              static_cast<unsigned long long>(memory.PeakPagefileUsage / 1024));
  return 0;
}

int PrintSizes() {
  HWND main = MainWindowOfProgram();
  if (!main) return 1;
  for (HWND note : ShownNotes(main)) {
    RECT rect{};
    GetWindowRect(note, &rect);
    std::printf("%ldx%ld\n", rect.right - rect.left, rect.bottom - rect.top);
  }
  return 0;
}

// The store's backing file in %TEMP%, where the owner creates it.
int PrintStoreFile() {
  char temp[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  std::printf("%s\\%s\n", temp, zettrella::StoreFileName(zettrella::kStoreName).c_str());
  return 0;
}

constexpr COLORREF kCoverColour = RGB(0, 255, 0);
constexpr UINT_PTR kCoverTimer = 1;

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
  std::string line;
  const bool found = Poll(timeoutMs, kPollMs, [&] {
    // Several windows may share a class and a title (the program's hidden
    // main window is an untitled dialog too): the first with the control wins.
    for (HWND window : FindTopLevel(className, title)) {
      HWND control = child ? FindChild(window, *child) : nullptr;
      if (child && !control) continue;
      RECT r{};
      GetWindowRect(window, &r);
      line = HandleText(window) + " " + RectText(r);
      if (control) {
        RECT c{};
        GetWindowRect(control, &c);
        char centre[48];
        std::snprintf(centre, sizeof centre, " %ld %ld", (c.left + c.right) / 2, (c.top + c.bottom) / 2);
        line += centre;
      }
      return true;
    }
    return false;
  });
  if (found) Print(line);
  return found ? 0 : 1;
}

int Gone(const std::wstring& className, const std::wstring& title, DWORD timeoutMs) {
  return Poll(timeoutMs, kPollMs, [&] { return FindTopLevel(className, title).empty(); }) ? 0 : 1;
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
  std::fputs(
      "usage: zettrella-probe quit | wait-shown N [ms] | sizes | store-file | list | wait CLASS TITLE MS [CHILD] |"
      " gone CLASS TITLE MS | cover X Y W H [MS]\n",
      stderr);
  return 2;
}

int Run(int argc, wchar_t** argv) {
  const std::wstring command = argc >= 2 ? argv[1] : L"";
  if (command == L"quit") {
    HWND main = MainWindowOfProgram();
    if (!main) return 1;
    PostMessageA(main, zettrella::kQuitMessage, 0, 0);
    return 0;
  }
  if (command == L"wait-shown" && argc >= 3) {
    const DWORD timeout = argc >= 4 ? static_cast<DWORD>(_wtol(argv[3])) : 30000;
    return WaitShown(static_cast<size_t>(_wtoi(argv[2])), timeout);
  }
  if (command == L"sizes") return PrintSizes();
  if (command == L"store-file") return PrintStoreFile();
  // The window verbs write UTF-8 bytes as they are, without CR before LF.
  _setmode(_fileno(stdout), _O_BINARY);
  if (command == L"list") return List();
  if (command == L"wait" && (argc == 5 || argc == 6)) {
    const std::wstring child = argc == 6 ? argv[5] : L"";
    return Wait(argv[2], argv[3], static_cast<DWORD>(_wtol(argv[4])), argc == 6 ? &child : nullptr);
  }
  if (command == L"gone" && argc == 5) return Gone(argv[2], argv[3], static_cast<DWORD>(_wtol(argv[4])));
  if (command == L"cover" && (argc == 6 || argc == 7)) {
    return Cover(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]),
                 argc == 7 ? static_cast<UINT>(_wtol(argv[6])) : 120000);
  }
  return Usage();
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return Usage();
  const int status = Run(argc, argv);
  LocalFree(argv);
  std::fflush(stdout);
  return status;
}
