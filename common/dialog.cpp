// The dialog framework's modal loop and window procedure.
#include "common/dialog.h"

namespace zettrella::ui {

namespace {

// Messages whose dialog-procedure result is the message's result itself
// rather than a flag plus DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
  switch (message) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM:
      return true;
    default:
      return false;
  }
}

}  // namespace

Dialog::Dialog(int templateId, HWND owner) : templateId_(templateId), owner_(owner) {}

Dialog::~Dialog() {
  if (hwnd_) DestroyWindow(hwnd_);
}

INT_PTR Dialog::RunModal() {
  ending_ = false;
  result_ = -1;
  hwnd_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner_, StaticDialogProc,
                             reinterpret_cast<LPARAM>(this));
  if (!hwnd_) return -1;

  const bool disableOwner = owner_ && IsWindowEnabled(owner_);
  if (disableOwner) EnableWindow(owner_, FALSE);
  if (!ending_) ShowWindow(hwnd_, SW_SHOW);

  MSG msg;
  while (!ending_) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // WM_QUIT: end this loop and leave the quit for the loops around it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      result_ = -1;
      break;
    }
    // The pre-filter of every framework dialog from the message's window up
    // to its top-level owner sees the message first (the way hot keys reach
    // the main window while a nested dialog runs).
    bool handled = false;
    for (HWND h = msg.hwnd; h && !handled; h = GetParent(h)) {
      if (Dialog* dialog = FromHandle(h)) handled = dialog->PreTranslateMessage(msg);
    }
    if (handled) continue;
    if (IsDialogMessageA(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }

  // Enable the owner before the dialog goes, so that activation returns to it.
  if (disableOwner) EnableWindow(owner_, TRUE);
  HWND hwnd = hwnd_;
  if (hwnd) DestroyWindow(hwnd);
  hwnd_ = nullptr;
  return result_;
}

void Dialog::EndModal(INT_PTR result) {
  result_ = result;
  ending_ = true;
  // Wake the loop if it is waiting for a message.
  if (hwnd_) PostMessageA(hwnd_, WM_NULL, 0, 0);
}

int Dialog::ItemInt(int id) const {
  BOOL ok = FALSE;
  const int value = static_cast<int>(GetDlgItemInt(hwnd_, id, &ok, TRUE));
  return ok ? value : 0;
}

void Dialog::SetChecked(int id, bool checked) const {
  SendMessageA(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Dialog::IsChecked(int id) const { return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

INT_PTR CALLBACK Dialog::StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;
  // No exception (std::bad_alloc is the only one) unwinds through the
  // system's code: the message counts as not handled.
  try {
    return self->DialogProc(message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

INT_PTR Dialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      HWND control = reinterpret_cast<HWND>(lParam);
      if (id == IDOK && code == BN_CLICKED) {
        OnOK();
        return TRUE;
      }
      if (id == IDCANCEL && code == BN_CLICKED) {
        OnCancel();
        return TRUE;
      }
      return OnCommand(id, code, control) ? TRUE : FALSE;
    }
    case WM_NCDESTROY: {
      LRESULT ignored = 0;
      OnMessage(message, wParam, lParam, &ignored);
      SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
      return FALSE;
    }
    default:
      break;
  }

  LRESULT result = 0;
  bool handled = ReflectToControl(message, wParam, lParam, &result);
  if (!handled) handled = OnMessage(message, wParam, lParam, &result);
  if (!handled) return FALSE;
  if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
  SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
  return TRUE;
}

// Owner-draw requests go back to the control object that asked for them.
bool Dialog::ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  (void)wParam;
  switch (message) {
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      Control* control = Control::FromHandle(item->hwndItem);
      if (!control || !control->DrawItem(*item)) return false;
      *result = TRUE;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      Control* control = Control::FromHandle(Item(static_cast<int>(item->CtlID)));
      if (!control || !control->MeasureItem(*item)) return false;
      *result = TRUE;
      return true;
    }
    case WM_COMPAREITEM: {
      const auto* items = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam);
      Control* control = Control::FromHandle(items->hwndItem);
      int order = 0;
      if (!control || !control->CompareItem(*items, &order)) return false;
      *result = order;
      return true;
    }
    default:
      return false;
  }
}

Dialog* Dialog::FromHandle(HWND hwnd) {
  // Only windows run by this framework carry our dialog procedure; message
  // boxes and other dialogs keep their own use of DWLP_USER.
  const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hwnd, DWLP_DLGPROC));
  if (proc != &Dialog::StaticDialogProc) return nullptr;
  return reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
}

}  // namespace zettrella::ui
