// Registering the global hot keys and acting on them.
#include "notes/input/hot_keys.h"

#include "notes/input/board_input.h"
#include "notes/input/command_ids.h"
#include "notes/input/hot_key_names.h"

namespace zettrella {

void HotKeyRegistrations::Register(HWND window, int id, std::string_view name) {
  window_ = window;
  const std::optional<uint32_t> code = HotKeyCode(name);
  if (!code) return;
  RegisterHotKey(window, id, kHotKeyModifiers, *code);
}

void HotKeyRegistrations::UnregisterAll() {
  if (!window_) return;
  for (int id = 0; id < kHotKeyCount; ++id) UnregisterHotKey(window_, id);
  window_ = nullptr;
}

void BoardInput::RegisterHotKeys() {
  const SystemSettings& settings = board_.settings();
  hotKeys_.Register(window_, kHotKeyCreateCyan, settings.HotKeyCreateC);
  hotKeys_.Register(window_, kHotKeyCreateMagenta, settings.HotKeyCreateM);
  hotKeys_.Register(window_, kHotKeyCreateYellow, settings.HotKeyCreateY);
  hotKeys_.Register(window_, kHotKeyShow, settings.HotKeyShow);
}

void BoardInput::UnregisterHotKeys() { hotKeys_.UnregisterAll(); }

bool BoardInput::OnHotKey(int id) {
  switch (id) {
    case kHotKeyCreateCyan:
      board_.Create(kTypeCyan);
      return true;
    case kHotKeyCreateMagenta:
      board_.Create(kTypeMagenta);
      return true;
    case kHotKeyCreateYellow:
      board_.Create(kTypeYellow);
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
