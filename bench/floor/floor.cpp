// The floor of the start-up benchmark: the least any program must do to put
// the same notes on the screen. It creates one layered popup window per size
// given (as "WIDTHxHEIGHT" arguments), each showing a 32-bit bitmap of that
// size filled with a card colour, exactly as the layer library shows a note,
// and then prints the time since its process was created and its peak
// memory, in the same form as zettrella-probe, and exits. With "--hold" first
// it keeps its windows on the screen for a minute, until it is ended, so that
// tools/bench can see them mapped on the X server as it sees the program's.
#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr DWORD kHoldMs = 60000;

uint64_t Ticks(const FILETIME& time) { return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime; }

struct Card {
  HWND window;
  HDC dc;
  HBITMAP bitmap;
};

Card ShowCard(HINSTANCE instance, int x, int y, int width, int height, uint32_t colour) {
  Card card{};
  card.window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE, "FloorCard", "", WS_POPUP, x, y, 0,
                                0, nullptr, nullptr, instance, nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  card.dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  card.bitmap = CreateDIBSection(card.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  SelectObject(card.dc, card.bitmap);
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) pixels[i] = 0xFF000000u | colour;
  POINT src{0, 0};
  POINT dst{x, y};
  SIZE size{width, height};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(card.window, nullptr, &dst, &size, card.dc, &src, 0, &blend, ULW_ALPHA);
  ShowWindow(card.window, SW_SHOWNOACTIVATE);
  return card;
}

}  // namespace

int main(int argc, char** argv) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.lpszClassName = "FloorCard";
  RegisterClassA(&wc);

  static constexpr uint32_t kColours[] = {0x7FFFFF, 0xFF7FFF, 0xFFFF7F};
  const bool hold = argc > 1 && std::strcmp(argv[1], "--hold") == 0;
  const int first = hold ? 2 : 1;
  std::vector<Card> cards;
  for (int i = first; i < argc; ++i) {
    int width = 0;
    int height = 0;
    if (std::sscanf(argv[i], "%dx%d", &width, &height) != 2 || width <= 0 || height <= 0) continue;
    const int n = i - first;
    cards.push_back(ShowCard(instance, (n % 10) * 80, (n / 10) * 60, width, height, kColours[n % 3]));
  }
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);

  FILETIME now, created{}, exited{}, kernel{}, user{};
  GetSystemTimeAsFileTime(&now);
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  std::printf("notes_shown=%zu startup_ms=%llu peak_working_set_kb=%llu peak_pagefile_kb=%llu\n", cards.size(),
              static_cast<unsigned long long>((Ticks(now) - Ticks(created)) / 10000),
              static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024),
              static_cast<unsigned long long>(memory.PeakPagefileUsage / 1024));
  std::fflush(stdout);
  for (const DWORD start = GetTickCount(); hold && GetTickCount() - start < kHoldMs;) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
  }
  for (Card& card : cards) {
    DestroyWindow(card.window);
    DeleteDC(card.dc);
    DeleteObject(card.bitmap);
  }
  return 0;
}
