// Stopping a running note program before setup changes its files.
#include "setup/running_instance.h"
#include "common/protocol.h"
#include "common/shared_value_store.h"
#include "common/win_handles.h"

namespace zettrella::setup {

namespace {

constexpr char kNoticeText[] = "Zettrellaが起動中です。\nセットアップは、Zettrellaを安全に終了させます。";
constexpr char kStillRunningText[] = "Zettrellaが終了しません。\nセットアップは、何も変更せずに終了します。";

}  // namespace

bool NoteProgramRuns() {
  const UniqueKernelHandle mutex(OpenMutexA(SYNCHRONIZE, FALSE, kMutexName));
  return mutex || PublishedWindow() != nullptr;
}

bool StopRunningInstance(HWND owner) {
  HWND window = PublishedWindow();
  if (!window) return true;

  // The process is opened before it is asked to quit, so that it cannot end
  // unseen in between. A handle that names no window has no process left.
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  const UniqueKernelHandle process(processId != 0 ? OpenProcess(SYNCHRONIZE, FALSE, processId) : nullptr);

  MessageBoxA(owner, kNoticeText, "", MB_OK | MB_ICONINFORMATION);
  PostMessageA(window, kQuitMessage, 0, 0);
  if (processId == 0) return true;

  // A process that cannot be opened cannot be watched: it counts as running.
  if (process && WaitForSingleObject(process.get(), kStopTimeoutMs) == WAIT_OBJECT_0) return true;
  MessageBoxA(owner, kStillRunningText, "", MB_OK | MB_ICONEXCLAMATION);
  return false;
}

}  // namespace zettrella::setup
