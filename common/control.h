// A control of a dialog template taken over by a C++ object (window
// subclassing), so that it keeps the template's style and the dialog's font.
// Owner-draw requests that the dialog receives for the control are handed
// back to it (see Dialog).
#pragma once

#include <windows.h>

#include <string>

namespace zettrella::ui {

// The text of a window; empty for a null handle.
std::string TextOfWindow(HWND hwnd);

class Control {
 public:
  Control() = default;
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Subclasses the control id of dialog. False if there is no such control.
  bool Attach(HWND dialog, int id);
  void Detach();
  HWND hwnd() const { return hwnd_; }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(hwnd_, message, wParam, lParam);
  }
  std::string WindowText() const { return TextOfWindow(hwnd_); }

  // The object attached to a window, or null.
  static Control* FromHandle(HWND hwnd);

  // Owner-draw hooks; the defaults leave the request to the system.
  virtual bool DrawItem(const DRAWITEMSTRUCT&) { return false; }
  virtual bool MeasureItem(MEASUREITEMSTRUCT&) { return false; }
  virtual bool CompareItem(const COMPAREITEMSTRUCT&, int*) { return false; }

 protected:
  // The control's message table; messages it does not handle go to the
  // control's own window procedure.
  virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }
  LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;
};

}  // namespace zettrella::ui
