// Subclassing of dialog controls.
#include "common/control.h"

namespace zettrella::ui {

namespace {
// The window property that points from a control window to its object.
constexpr char kControlProperty[] = "ZettrellaControl";
}  // namespace

Control::~Control() { Detach(); }

bool Control::Attach(HWND dialog, int id) {
  Detach();
  HWND hwnd = GetDlgItem(dialog, id);
  if (!hwnd) return false;
  hwnd_ = hwnd;
  SetPropA(hwnd_, kControlProperty, this);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::StaticWindowProc)));
  return true;
}

void Control::Detach() {
  if (!hwnd_) return;
  if (IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(hwnd_, kControlProperty);
  }
  hwnd_ = nullptr;
  original_ = nullptr;
}

std::string TextOfWindow(HWND hwnd) {
  const int length = hwnd ? GetWindowTextLengthA(hwnd) : 0;
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = hwnd ? GetWindowTextA(hwnd, text.data(), length + 1) : 0;
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

Control* Control::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Control*>(GetPropA(hwnd, kControlProperty)) : nullptr;
}

LRESULT Control::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(original_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Control::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Control* self = FromHandle(hwnd);
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  // No exception unwinds through the system's code: the control's own
  // procedure takes a message whose handler threw.
  bool handled = false;
  try {
    handled = self->OnMessage(message, wParam, lParam, &result);
  } catch (...) {
  }
  if (handled) return result;
  if (message == WM_NCDESTROY) {
    // The window goes: give it its own procedure back before it ends.
    WNDPROC original = self->original_;
    self->Detach();
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
  }
  return self->CallOriginal(message, wParam, lParam);
}

}  // namespace zettrella::ui
