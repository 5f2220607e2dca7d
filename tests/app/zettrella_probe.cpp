// A small tool for scripts that drive the running note program from outside:
//   zettrella-probe quit              posts the quit message to the program
//   zettrella-probe wait-shown N [ms] waits until the program shows N note
//                                     windows, then prints the time since
//                                     its process started and its peak memory
//   zettrella-probe sizes             prints the size of each shown note
//                                     window as WIDTHxHEIGHT, one per line
//   zettrella-probe store-file        prints the path of the backing file of
//                                     the store the program publishes in
// The program is found through the window it publishes in its store.
// Exit code 0 on success, 1 on a time-out or when no program runs.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/protocol.h"
#include "common/shared_value_store.h"
#include "common/store_format.h"

namespace {

// The program's main window, or null when none runs.
HWND MainWindowOfProgram() {
  HWND window = zettrella::PublishedWindow();
  return window && IsWindow(window) ? window : nullptr;
}

struct Count {
  DWORD process;
  HWND main;
  int shown;
};

BOOL CALLBACK CountShown(HWND window, LPARAM param) {
  auto* count = reinterpret_cast<Count*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == count->process && window != count->main && IsWindowVisible(window)) ++count->shown;
  return TRUE;
}

uint64_t Ticks(const FILETIME& time) { return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime; }

int WaitShown(int wanted, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND main = MainWindowOfProgram();
    if (main) {
      Count count{0, main, 0};
      GetWindowThreadProcessId(main, &count.process);
      EnumWindows(&CountShown, reinterpret_cast<LPARAM>(&count));
      if (count.shown >= wanted) {
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, count.process);
        FILETIME created{}, exited{}, kernel{}, user{};
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        if (process) {
          GetProcessTimes(process, &created, &exited, &kernel, &user);
          GetProcessMemoryInfo(process, &memory, sizeof memory);
          CloseHandle(process);
        }
        std::printf("notes_shown=%d startup_ms=%llu peak_working_set_kb=%llu peak_pagefile_kb=%llu\n", count.shown,
                    static_cast<unsigned long long>((Ticks(now) - Ticks(created)) / 10000),
                    static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024),
                    static_cast<unsigned long long>(memory.PeakPagefileUsage / 1024));
        return 0;
      }
    }
    if (GetTickCount() - start > timeoutMs) {
      std::fprintf(stderr, "zettrella-probe: %d note windows not shown in time\n", wanted);
      return 1;
    }
    Sleep(20);  // a poll interval, not a wait for an outcome
  }
}

BOOL CALLBACK PrintSize(HWND window, LPARAM param) {
  const auto* count = reinterpret_cast<const Count*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != count->process || window == count->main || !IsWindowVisible(window)) return TRUE;
  RECT rect{};
  GetWindowRect(window, &rect);
  std::printf("%ldx%ld\n", rect.right - rect.left, rect.bottom - rect.top);
  return TRUE;
}

int PrintSizes() {
  HWND main = MainWindowOfProgram();
  if (!main) return 1;
  Count count{0, main, 0};
  GetWindowThreadProcessId(main, &count.process);
  EnumWindows(&PrintSize, reinterpret_cast<LPARAM>(&count));
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

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "quit") == 0) {
    HWND main = MainWindowOfProgram();
    if (!main) return 1;
    PostMessageA(main, zettrella::kQuitMessage, 0, 0);
    return 0;
  }
  if (argc >= 3 && std::strcmp(argv[1], "wait-shown") == 0) {
    const DWORD timeout = argc >= 4 ? static_cast<DWORD>(std::atol(argv[3])) : 30000;
    return WaitShown(std::atoi(argv[2]), timeout);
  }
  if (argc >= 2 && std::strcmp(argv[1], "sizes") == 0) return PrintSizes();
  if (argc >= 2 && std::strcmp(argv[1], "store-file") == 0) return PrintStoreFile();
  std::fprintf(stderr, "usage: zettrella-probe quit | wait-shown N [ms] | sizes | store-file\n");
  return 2;
}
