// Stopping a running note program before setup changes its files.
#include "setup/running_instance_win.h"

#include <string>

#include "common/decimal.h"
#include "common/shared_value_store.h"

namespace zettrella::setup {

namespace {

constexpr char kStoreName[] = "Zettrella";
constexpr char kWindowKey[] = "HWnd";
constexpr char kNoticeText[] = "Zettrellaが起動中です。\nセットアップは、Zettrellaを安全に終了させます。";

}  // namespace

void StopRunningInstance(HWND owner) {
  const SharedValueStore store(kStoreName, false);
  std::string value;
  if (!store.GetValue(kWindowKey, "0", &value)) return;  // no note program runs

  // The note program writes its handle with "%d"; handles are 32-bit values
  // even in 64-bit processes, sign-extended to pointer width.
  const int32_t number = ParseDecimal(value);
  if (number == 0) return;

  MessageBoxA(owner, kNoticeText, "", MB_OK | MB_ICONINFORMATION);
  PostMessageA(reinterpret_cast<HWND>(static_cast<INT_PTR>(number)), kQuitRequestMessage, 0, 0);
}

}  // namespace zettrella::setup
