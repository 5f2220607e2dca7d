// A message hook for the tests, loaded into the note program by
// SetWindowsHookEx: every tray callback and note menu message and every marker
// message (kProbeMarker, posted by a test to know the queue has been read up
// to there) that the program's thread takes from its queue is appended as
// "<message> <wParam> <lParam>" to "posted-messages.log" beside this library.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "common/protocol.h"
#include "tests/app/message_probe.h"

namespace {

HMODULE g_module = nullptr;

void Append(const std::string& line) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(g_module, path, MAX_PATH);
  std::string log(path);
  log = log.substr(0, log.find_last_of('\\') + 1) + "posted-messages.log";
  HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeGetMessage(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg->message == zettrella::kTrayMessage || msg->message == zettrella::kNoteMenuMessage ||
        msg->message == zettrella::testing::kProbeMarker) {
      char line[96];
      snprintf(line, sizeof line, "%u %d %d\r\n", msg->message, static_cast<int32_t>(msg->wParam),
               static_cast<int32_t>(msg->lParam));
      Append(line);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) g_module = instance;
  return TRUE;
}
