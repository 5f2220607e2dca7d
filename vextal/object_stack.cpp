// Objects, their windows, their stacking and the drawing lock of the loaded
// layer.
#include "vextal/object_stack.h"

#include <algorithm>

#include "common/saturate.h"
#include "common/win_rect.h"

namespace vextal {
namespace {

using zettrella::SaturatedAdd;

constexpr char kClassName[] = "VextalObject";
constexpr UINT kStackFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

// Each object window keeps its stack in its extra bytes and its id as its
// user data.
LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Clicking or dragging a note leaves the keyboard focus where it was.
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  // No exception (std::bad_alloc is the only one) unwinds through the
  // system's code: the message goes on to the default procedure.
  try {
    auto* stack = reinterpret_cast<ObjectStack*>(GetWindowLongPtrA(hwnd, 0));
    if (stack && stack->OnMessage(hwnd, message)) return 0;
  } catch (...) {
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) {
    reinterpret_cast<std::vector<Monitor>*>(data)->push_back(
        {zettrella::FromRect<Rect>(info.rcMonitor), zettrella::FromRect<Rect>(info.rcWork)});
  }
  return TRUE;
}

}  // namespace

ObjectStack::ObjectStack(HINSTANCE module, BitmapTable& bitmaps, PointerReporter& pointer, int32_t firstId)
    : module_(module), bitmaps_(bitmaps), pointer_(pointer), objects_(firstId) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ObjectWindowProc;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.hInstance = module;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = kClassName;
  windowClass_ = RegisterClassExA(&wc);
}

ObjectStack::~ObjectStack() {
  // The windows go before their class, and none of their last messages
  // reaches the stack while it is being taken apart.
  objects_.ForEach([](int32_t, DeskObject& o) { SetWindowLongPtrA(o.window.get(), 0, 0); });
  objects_.Clear();
  retired_.clear();
  if (windowClass_) UnregisterClassA(kClassName, module_);
}

int32_t ObjectStack::Add(int32_t x, int32_t y, int32_t priority) {
  DeskObject o;
  o.priority = priority;
  o.wanted = {x, y};
  o.pos = ReachablePosition(o.wanted, 0, 0, Monitors());
  const int32_t id = objects_.NextHandle();
  // A tool window has no task bar button and stays out of Alt+Tab; a
  // layered window shows its bitmap through UpdateLayeredWindow;
  // WS_EX_NOACTIVATE keeps it from becoming the foreground window.
  const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE | (floating_ ? WS_EX_TOPMOST : 0);
  o.window.reset(
      CreateWindowExA(exStyle, kClassName, "", WS_POPUP, o.pos.x, o.pos.y, 0, 0, nullptr, nullptr, module_, nullptr));
  if (!o.window) return kNoId;
  SetWindowLongPtrA(o.window.get(), GWLP_USERDATA, id);
  SetWindowLongPtrA(o.window.get(), 0, reinterpret_cast<LONG_PTR>(this));
  return objects_.Add(std::move(o)) == id ? id : kNoId;
}

void ObjectStack::Remove(int32_t id) {
  DeskObject o;
  if (!objects_.Take(id, o)) return;
  if (lockDepth_ > 0 && o.visible) retired_.push_back(std::move(o.window));
}

void ObjectStack::Move(int32_t id, int32_t dx, int32_t dy) {
  DeskObject* o = objects_.Find(id);
  if (!o) return;
  if (o->placed) {
    o->pos = {SaturatedAdd(o->pos.x, dx), SaturatedAdd(o->pos.y, dy)};
  } else {
    o->wanted = {SaturatedAdd(o->wanted.x, dx), SaturatedAdd(o->wanted.y, dy)};
    o->pos = ReachablePosition(o->wanted, 0, 0, Monitors());
  }
  ApplyPosition(*o);
}

Point ObjectStack::Position(int32_t id) {
  DeskObject* o = objects_.Find(id);
  return o ? o->pos : Point{0, 0};
}

void ObjectStack::SetPriority(int32_t id, int32_t priority) {
  DeskObject* o = objects_.Find(id);
  if (!o) return;
  o->priority = priority;
  if (lockDepth_ > 0) {
    o->restack = true;
  } else if (o->visible) {
    PlaceInStack(id, *o);
  }
}

void ObjectStack::SetFloating(bool on) {
  floating_ = on;
  // Lowest first: each window goes to the front of its band, so the
  // highest priority ends up in front.
  for (auto& [id, o] : ByPriority())
    SetWindowPos(o->window.get(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kStackFlags);
}

void ObjectStack::Redraw() {
  if (lockDepth_ > 0) {
    redrawPending_ = true;
    return;
  }
  for (auto& [id, o] : ByPriority()) {
    if (o->bitmap == 0) continue;
    Present(id, *o);
    SetWindowPos(o->window.get(), floating_ ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                 kStackFlags | (o->visible ? SWP_SHOWWINDOW : 0));
  }
}

void ObjectStack::UpdateDesktop() {
  monitorsStale_ = true;
  const std::vector<Monitor>& monitors = Monitors();
  objects_.ForEach([&](int32_t, DeskObject& o) {
    const Point before = o.pos;
    o.pos =
        o.placed ? ReachablePosition(o.pos, o.width, o.height, monitors) : ReachablePosition(o.wanted, 0, 0, monitors);
    if (o.pos.x != before.x || o.pos.y != before.y) ApplyPosition(o);
  });
}

// The outermost unlock shows what changed while locked: replaced objects
// first, so that a note being rebuilt is never missing from the screen,
// then the old windows go.
void ObjectStack::Unlock() {
  if (lockDepth_ == 0 || --lockDepth_ > 0) return;
  for (auto& [id, o] : ByPriority()) {
    if (o->dirty) Present(id, *o);
    if (o->restack && o->visible) PlaceInStack(id, *o);
    o->restack = false;
  }
  if (redrawPending_) {
    redrawPending_ = false;
    Redraw();
  }
  retired_.clear();
}

void ObjectStack::Present(int32_t id, DeskObject& o) {
  if (lockDepth_ > 0) {
    o.dirty = true;
    return;
  }
  o.dirty = false;
  if (o.bitmap == 0) {
    if (o.visible) ShowWindow(o.window.get(), SW_HIDE);
    o.visible = false;
    return;
  }
  Bitmap* b = FindBitmap(bitmaps_, o.bitmap, CompanionOf(o.bitmap));
  if (!b) {
    // The bitmap is gone; the window keeps the last image it showed.
    ApplyPosition(o);
    return;
  }
  o.width = b->width();
  o.height = b->height();
  if (!o.placed) {
    o.pos = ReachablePosition(o.wanted, o.width, o.height, Monitors());
    o.placed = true;
  }
  GdiFlush();
  POINT dst{o.pos.x, o.pos.y};
  SIZE size{o.width, o.height};
  POINT src{0, 0};
  // Every pixel of the image is opaque; a constant alpha of 255 and no
  // per-pixel alpha say so.
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, 0};
  UpdateLayeredWindow(o.window.get(), nullptr, &dst, &size, b->dc(), &src, 0, &blend, ULW_ALPHA);
  if (!o.visible) {
    o.visible = true;
    PlaceInStack(id, o);
  }
}

void ObjectStack::ApplyPosition(DeskObject& o) {
  if (lockDepth_ > 0) {
    o.dirty = true;
  } else if (o.visible) {
    SetWindowPos(o.window.get(), nullptr, o.pos.x, o.pos.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
}

void ObjectStack::PlaceInStack(int32_t id, DeskObject& o) {
  HWND ahead = floating_ ? HWND_TOPMOST : HWND_TOP;
  // The nearest object in front is the first shown one after this one.
  bool passed = false;
  for (auto& [otherId, other] : ByPriority()) {
    if (passed && other->visible) {
      ahead = other->window.get();
      break;
    }
    passed = passed || otherId == id;
  }
  SetWindowPos(o.window.get(), ahead, 0, 0, 0, 0, kStackFlags | SWP_SHOWWINDOW);
}

std::vector<std::pair<int32_t, DeskObject*>> ObjectStack::ByPriority() {
  std::vector<std::pair<int32_t, DeskObject*>> list;
  list.reserve(objects_.Size());
  objects_.ForEach([&](int32_t id, DeskObject& o) { list.emplace_back(id, &o); });
  std::stable_sort(list.begin(), list.end(),
                   [](const auto& a, const auto& b) { return a.second->priority < b.second->priority; });
  return list;
}

const std::vector<Monitor>& ObjectStack::Monitors() {
  if (monitorsStale_) {
    monitors_.clear();
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors_));
    monitorsStale_ = false;
  }
  return monitors_;
}

void ObjectStack::SetImage(int32_t id, int32_t bitmap, int32_t extra) {
  DeskObject* o = objects_.Find(id);
  if (!o) return;
  if (bitmap != 0 && !FindBitmap(bitmaps_, bitmap, extra)) return;
  o->bitmap = bitmap;
  Present(id, *o);
}

void ObjectStack::UpdateImage(int32_t id) {
  if (DeskObject* o = objects_.Find(id)) Present(id, *o);
}

bool ObjectStack::OnMessage(HWND hwnd, UINT message) {
  if (message == WM_DISPLAYCHANGE) {
    monitorsStale_ = true;
    return false;
  }
  const auto id = static_cast<int32_t>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  DeskObject* o = objects_.Find(id);
  return o && o->window.get() == hwnd && pointer_.OnMouse(hwnd, message, id, o->drag);
}

}  // namespace vextal
