// Registering the global hot keys and acting on them.
#include "notes/input/hot_keys.h"

#include "notes/input/command_ids.h"
#include "notes/input/hot_key_names.h"

namespace zettrella {

void HotKeys::Register(HWND window) {
  Unregister();
  window_ = window;
  const SystemSettings& settings = board_.settings();
  auto add = [&](int id, const std::string& name) {
    if (const std::optional<uint32_t> code = HotKeyCode(name))
      RegisterHotKey(window, id, MOD_CONTROL | MOD_SHIFT, *code);
  };
  add(kHotKeyCreateCyan, settings.hotKeyCreateC);
  add(kHotKeyCreateMagenta, settings.hotKeyCreateM);
  add(kHotKeyCreateYellow, settings.hotKeyCreateY);
  add(kHotKeyShow, settings.hotKeyShow);
}

void HotKeys::Unregister() {
  if (!window_) return;
  for (int id = 0; id < kHotKeyCount; ++id) UnregisterHotKey(window_, id);
  window_ = nullptr;
}

bool HotKeys::OnHotKey(int id) {
  switch (id) {
    case kHotKeyCreateCyan:
    case kHotKeyCreateMagenta:
    case kHotKeyCreateYellow:
      board_.Create(kTypeCyan + (id - kHotKeyCreateCyan));
      return true;
    case kHotKeyShow:
      // Drawing every note again puts them in front of the other windows.
      board_.Redraw();
      return true;
    default:
      return false;
  }
}

}  // namespace zettrella
