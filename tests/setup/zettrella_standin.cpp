// A stand-in for the note program in setup's tests: it owns the shared
// value store of the note program, publishes its hidden window there and
// ends when that window receives the quit request, as the note program does.
// Options:
//   -hwnd TEXT    publishes TEXT instead of the handle (the window still
//                 quits on the request);
//   -linger MS    takes MS milliseconds to end after the request, and then
//                 writes "Zettrella.ini" beside itself on its way out, as
//                 the note program does when a dialog of it was still open;
//   -stay         ignores the request (it still ends on WM_CLOSE).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/protocol.h"
#include "common/shared_value_store.h"

namespace {

constexpr UINT_PTR kLingerTimer = 1;

struct Options {
  UINT lingerMs = 0;
  bool stay = false;
};
Options g_options;

// Writes a value into the settings file beside this program.
void WriteSettingsOnTheWayOut() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  std::string file(path, length);
  file.erase(file.find_last_of('\\') + 1);
  file += "Zettrella.ini";
  WritePrivateProfileStringA("System", "Width", "200", file.c_str());
}

LRESULT CALLBACK StandInProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case zettrella::kQuitMessage:
      if (g_options.stay) return 0;
      if (g_options.lingerMs > 0) {
        SetTimer(hwnd, kLingerTimer, g_options.lingerMs, nullptr);
      } else {
        PostQuitMessage(0);
      }
      return 0;
    case WM_TIMER:
      KillTimer(hwnd, kLingerTimer);
      WriteSettingsOnTheWayOut();
      PostQuitMessage(0);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (const char* linger = strstr(commandLine, "-linger ")) {
    g_options.lingerMs = static_cast<UINT>(atoi(linger + strlen("-linger ")));
  }
  g_options.stay = strstr(commandLine, "-stay") != nullptr;

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = StandInProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "ZettrellaStandIn";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("ZettrellaStandIn", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!window) return 2;

  zettrella::SharedValueStore store(zettrella::kStoreName, true);
  const char* option = strstr(commandLine, "-hwnd ");
  if (option) {
    store.SetValue(zettrella::kStoreWindowKey, option + strlen("-hwnd "));
  } else {
    char handle[32];
    snprintf(handle, sizeof handle, "%d", static_cast<int>(reinterpret_cast<INT_PTR>(window)));
    store.SetValue(zettrella::kStoreWindowKey, handle);
  }

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (IsWindow(window)) DestroyWindow(window);
  return 0;
}
