// A stand-in for the note program in setup's tests: it owns the shared
// value store "Zettrella", publishes its hidden window there under HWnd and
// ends when that window receives the quit request, as the note program does.
// "-hwnd TEXT" publishes TEXT instead of the handle (the window still quits
// on the request).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "common/shared_value_store.h"

namespace {

constexpr UINT kQuitRequest = WM_USER + 1;

LRESULT CALLBACK StandInProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kQuitRequest) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = StandInProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "ZettrellaStandIn";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("ZettrellaStandIn", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!window) return 2;

  zettrella::SharedValueStore store("Zettrella", true);
  const char* option = strstr(commandLine, "-hwnd ");
  if (option) {
    store.SetValue("HWnd", option + strlen("-hwnd "));
  } else {
    char handle[32];
    snprintf(handle, sizeof handle, "%d", static_cast<int>(reinterpret_cast<INT_PTR>(window)));
    store.SetValue("HWnd", handle);
  }

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  DestroyWindow(window);
  return 0;
}
