// Registering the global hot keys and acting on them.
#include "notes/input/hot_keys.h"

#include "notes/app/note_board_dialog.h"
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

void NoteBoardDialog::RegisterAllHotKeys() {
  hotKeys_.Register(hwnd(), kHotKeyCreateCyan, settings_.HotKeyCreateC);
  hotKeys_.Register(hwnd(), kHotKeyCreateMagenta, settings_.HotKeyCreateM);
  hotKeys_.Register(hwnd(), kHotKeyCreateYellow, settings_.HotKeyCreateY);
  hotKeys_.Register(hwnd(), kHotKeyShow, settings_.HotKeyShow);
}

void NoteBoardDialog::UnregisterAllHotKeys() { hotKeys_.UnregisterAll(); }

// WM_HOTKEY is taken here, before dispatching, so that it works while a
// menu's dialog or any other nested dialog runs.
bool NoteBoardDialog::PreTranslateMessage(MSG& msg) {
  if (msg.message == WM_HOTKEY && msg.hwnd == hwnd()) return OnHotKey(LOWORD(msg.wParam));
  return ui::Dialog::PreTranslateMessage(msg);
}

bool NoteBoardDialog::OnHotKey(int id) {
  switch (id) {
    case kHotKeyCreateCyan:
      CreateNote(kTypeCyan);
      return true;
    case kHotKeyCreateMagenta:
      CreateNote(kTypeMagenta);
      return true;
    case kHotKeyCreateYellow:
      CreateNote(kTypeYellow);
      return true;
    case kHotKeyShow:
      // Drawing every note again puts them in front of the other windows.
      if (binding_) binding_->Redraw();
      return true;
    default:
      return false;
  }
}

}  // namespace zettrella
