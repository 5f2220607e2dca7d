// The global hot keys Ctrl + Shift + key of one window, ids 0-3.
#pragma once

#include <windows.h>

#include <string_view>

namespace zettrella {

// Both modifiers of every hot key.
inline constexpr UINT kHotKeyModifiers = MOD_CONTROL | MOD_SHIFT;

// Registrations of a window's hot keys; whatever is registered is
// unregistered again by UnregisterAll or at the latest by the destructor.
class HotKeyRegistrations {
 public:
  HotKeyRegistrations() = default;
  ~HotKeyRegistrations() { UnregisterAll(); }
  HotKeyRegistrations(const HotKeyRegistrations&) = delete;
  HotKeyRegistrations& operator=(const HotKeyRegistrations&) = delete;

  // Registers Ctrl + Shift + the key named by name under id. A name without
  // a key (empty, or not starting with an ASCII character) registers
  // nothing; a combination that Windows refuses (held by another program)
  // simply stays without effect.
  void Register(HWND window, int id, std::string_view name);
  // Unregisters ids 0-3 of the window (ids never registered are harmless).
  void UnregisterAll();

 private:
  HWND window_ = nullptr;
};

}  // namespace zettrella
