// Looking at the desktop's hot keys from a test, and pressing them.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "tests/support/win_test_support.h"

namespace zettrella::testing {

inline constexpr UINT kCtrlShift = MOD_CONTROL | MOD_SHIFT;

// True when Ctrl + Shift + key is held by some window: then it cannot be
// registered once more.
inline bool ComboTaken(UINT key) {
  constexpr int kProbeId = 0x7000;
  if (!RegisterHotKey(nullptr, kProbeId, kCtrlShift, key)) return true;
  UnregisterHotKey(nullptr, kProbeId);
  return false;
}

// Waits until none of the keys is held, so that a program of an earlier
// test that is still on its way out cannot take them; false if one stays.
inline bool WaitUntilCombosFree(std::initializer_list<UINT> keys) {
  return PumpUntil([&] {
    for (UINT key : keys) {
      if (ComboTaken(key)) return false;
    }
    return true;
  });
}

// Ctrl + Shift + key pressed and released as real keyboard input.
inline void PressCtrlShift(WORD key) {
  INPUT inputs[6] = {};
  const WORD keys[3] = {VK_CONTROL, VK_SHIFT, key};
  for (int i = 0; i < 3; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i];
    inputs[5 - i].type = INPUT_KEYBOARD;
    inputs[5 - i].ki.wVk = keys[i];
    inputs[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(6, inputs, sizeof(INPUT));
}

}  // namespace zettrella::testing
