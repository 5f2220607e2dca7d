// Objects, their stacking and the drawing lock of the loaded layer.
#include "vextal/object_stack.h"

#include <algorithm>

#include "common/saturate.h"

namespace vextal {
namespace {

using zettrella::SaturatedAdd;

constexpr UINT kStackFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) {
    auto box = [](const RECT& r) { return Box{r.left, r.top, r.right, r.bottom}; };
    reinterpret_cast<std::vector<Monitor>*>(data)->push_back({box(info.rcMonitor), box(info.rcWork)});
  }
  return TRUE;
}

}  // namespace

ObjectStack::ObjectStack(const ObjectWindowClass& windows, BitmapTable& bitmaps, int32_t firstId)
    : windows_(windows), bitmaps_(bitmaps), objects_(firstId) {}

int32_t ObjectStack::Add(int32_t x, int32_t y, int32_t priority) {
  DeskObject o;
  o.priority = priority;
  o.wanted = {x, y};
  o.pos = ReachablePosition(o.wanted, 0, 0, Monitors());
  const int32_t id = objects_.NextHandle();
  o.window = windows_.Create(id, o.pos, floating_);
  if (!o.window) return -1;
  if (objects_.Add(std::move(o)) != id) return -1;
  return id;
}

void ObjectStack::Remove(int32_t id) {
  DeskObject o;
  if (!objects_.Take(id, o)) return;
  if (lockDepth_ > 0 && o.visible) retired_.push_back(std::move(o.window));
}

void ObjectStack::Move(int32_t id, int32_t dx, int32_t dy) {
  DeskObject* o = Find(id);
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
  DeskObject* o = Find(id);
  return o ? o->pos : Point{0, 0};
}

void ObjectStack::SetPriority(int32_t id, int32_t priority) {
  DeskObject* o = Find(id);
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
  for (auto& [id, o] : ByPriority()) {
    SetWindowPos(o->window.get(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kStackFlags);
  }
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

void ObjectStack::Lock() { ++lockDepth_; }

void ObjectStack::Unlock() {
  if (lockDepth_ == 0) return;
  if (--lockDepth_ == 0) Flush();
}

// Shows what changed while locked: replaced objects first, so that a note
// being rebuilt is never missing from the screen, then the old windows go.
void ObjectStack::Flush() {
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
    return;
  }
  if (o.visible) {
    SetWindowPos(o.window.get(), nullptr, o.pos.x, o.pos.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
}

void ObjectStack::PlaceInStack(int32_t id, DeskObject& o) {
  HWND ahead = floating_ ? HWND_TOPMOST : HWND_TOP;
  const DeskObject* best = nullptr;
  int32_t bestId = 0;
  objects_.ForEach([&](int32_t otherId, DeskObject& other) {
    if (otherId == id || !other.visible) return;
    const bool inFront = other.priority > o.priority || (other.priority == o.priority && otherId > id);
    if (!inFront) return;
    const bool nearer =
        !best || other.priority < best->priority || (other.priority == best->priority && otherId < bestId);
    if (nearer) {
      best = &other;
      bestId = otherId;
    }
  });
  if (best) ahead = best->window.get();
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
  DeskObject* o = Find(id);
  if (!o) return;
  if (bitmap != 0 && !FindBitmap(bitmaps_, bitmap, extra)) return;
  o->bitmap = bitmap;
  Present(id, *o);
}

void ObjectStack::UpdateImage(int32_t id) {
  if (DeskObject* o = Find(id)) Present(id, *o);
}

}  // namespace vextal
