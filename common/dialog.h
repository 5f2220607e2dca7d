// A small dialog framework: a dialog from a template resource, run by a
// modal loop of our own with a message pre-filter, and a window procedure
// that hands each message to one dispatching function of the dialog class.
#pragma once

#include <windows.h>

#include <string>

#include "common/control.h"

namespace zettrella::ui {

class Dialog {
 public:
  // templateId names a DIALOG resource of the running program. owner is the
  // window that stays disabled while the dialog runs (may be null).
  Dialog(int templateId, HWND owner);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Creates the dialog, runs it until EndModal, destroys it and returns the
  // result; -1 when the template could not be created. A WM_QUIT taken from
  // the queue ends the loop too (result -1) and is posted again, so that
  // every enclosing loop ends as well.
  INT_PTR RunModal();

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  void EndModal(INT_PTR result);

  // The framework dialog of a window, or null for any other window.
  static Dialog* FromHandle(HWND hwnd);

  // Text and check helpers for the dialog's controls.
  void SetItemText(int id, const char* text) const { SetDlgItemTextA(hwnd_, id, text); }
  std::string ItemText(int id) const { return TextOfWindow(Item(id)); }
  void SetItemInt(int id, int value) const { SetDlgItemInt(hwnd_, id, static_cast<UINT>(value), TRUE); }
  // GetDlgItemInt, signed; text that is not a whole number reads as 0.
  int ItemInt(int id) const;
  void SetChecked(int id, bool checked) const;
  bool IsChecked(int id) const;
  void EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable ? TRUE : FALSE); }

 protected:
  // Sees every message taken from the queue while the dialog's loop runs,
  // before the dialog manager; true means handled and not dispatched.
  virtual bool PreTranslateMessage(MSG&) { return false; }
  // The dialog's message table. Return true when the message was handled,
  // with its result in *result, which starts at 0.
  virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual void OnOK() { EndModal(IDOK); }
  virtual void OnCancel() { EndModal(IDCANCEL); }
  // WM_COMMAND other than IDOK / IDCANCEL; true when handled.
  virtual bool OnCommand(int, int, HWND) { return false; }

 private:
  static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
  bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  int templateId_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  bool ending_ = false;
  INT_PTR result_ = -1;
};

}  // namespace zettrella::ui
