// The window class of the desktop objects: layered tool popups that never
// take the activation, and whose mouse messages become event records.
#include "vextal/object_window.h"

#include "vextal/library.h"

namespace vextal {
namespace {

constexpr char kClassName[] = "VextalObject";

bool OnObjectMessage(HWND hwnd, UINT message) {
  switch (message) {
    case WM_DISPLAYCHANGE:
      if (Library* lib = Library::Instance()) lib->objects().OnDisplayChange();
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_RBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_TIMER:
      if (Library* lib = Library::Instance()) return lib->OnObjectMouse(hwnd, message);
      return false;
    default:
      return false;
  }
}

LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Clicking or dragging a note leaves the keyboard focus where it was.
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  // No exception (std::bad_alloc is the only one) unwinds through the
  // system's code: the message goes on to the default procedure.
  try {
    if (OnObjectMessage(hwnd, message)) return 0;
  } catch (...) {
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

ObjectWindowClass::ObjectWindowClass(HINSTANCE module) : module_(module) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ObjectWindowProc;
  wc.hInstance = module;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = kClassName;
  atom_ = RegisterClassExA(&wc);
}

ObjectWindowClass::~ObjectWindowClass() {
  if (atom_) UnregisterClassA(kClassName, module_);
}

// A tool window has no task bar button and stays out of Alt+Tab; a layered
// window shows its bitmap through UpdateLayeredWindow; WS_EX_NOACTIVATE
// keeps it from becoming the foreground window.
zettrella::UniqueWindow ObjectWindowClass::Create(int32_t id, Point at, bool topmost) const {
  const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE | (topmost ? WS_EX_TOPMOST : 0);
  HWND hwnd = CreateWindowExA(exStyle, kClassName, "", WS_POPUP, at.x, at.y, 0, 0, nullptr, nullptr, module_, nullptr);
  if (hwnd) SetWindowLongPtrA(hwnd, GWLP_USERDATA, id);
  return zettrella::UniqueWindow(hwnd);
}

}  // namespace vextal
