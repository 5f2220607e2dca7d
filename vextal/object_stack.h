// The desktop objects (one layered popup window each, of a window class
// registered while the stack lives), their stacking by priority and the
// drawing lock that holds back what they show.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "common/win_handles.h"
#include "vextal/bitmap.h"
#include "vextal/handle_table.h"
#include "vextal/placement.h"
#include "vextal/pointer_reporter.h"

namespace vextal {

struct DeskObject {
  zettrella::UniqueWindow window;
  int32_t priority = 0;
  int32_t bitmap = 0;  // the image shown, 0 for none
  int32_t width = 0;   // size of the image last shown
  int32_t height = 0;
  // Until the object is first shown, `wanted` is where the caller put it;
  // `pos` is where it is (or will be) shown and what the getters report.
  Point wanted{0, 0};
  Point pos{0, 0};
  bool placed = false;  // has been shown with a size at least once
  bool visible = false;
  bool dirty = false;    // changed while drawing was locked
  bool restack = false;  // priority changed while drawing was locked
  PointerReporter::Drag drag;
};

class ObjectStack {
 public:
  // Ids start at `firstId`; images are looked up in `bitmaps`, and the
  // mouse messages of the objects go to `pointer`.
  ObjectStack(HINSTANCE module, BitmapTable& bitmaps, PointerReporter& pointer, int32_t firstId);
  ~ObjectStack();

  int32_t NextId() const { return objects_.NextHandle(); }

  void SetFloating(bool on);
  int32_t Add(int32_t x, int32_t y, int32_t priority);
  void Remove(int32_t id);
  void Move(int32_t id, int32_t dx, int32_t dy);
  Point Position(int32_t id);
  void SetPriority(int32_t id, int32_t priority);
  void Redraw();
  void UpdateDesktop();
  void Lock() { ++lockDepth_; }
  void Unlock();
  void SetImage(int32_t id, int32_t bitmap, int32_t extra);
  void UpdateImage(int32_t id);
  // A message of an object window; false for those left to the default.
  bool OnMessage(HWND hwnd, UINT message);

 private:
  const std::vector<Monitor>& Monitors();

  // Puts the object's image and position on the screen, or marks it for
  // Unlock while drawing is locked.
  void Present(int32_t id, DeskObject& o);
  void ApplyPosition(DeskObject& o);
  // Places a shown object behind the next object of higher priority, or in
  // front of every window when it has the highest.
  void PlaceInStack(int32_t id, DeskObject& o);
  // Objects by priority, lowest first; equal priorities by age, older first.
  std::vector<std::pair<int32_t, DeskObject*>> ByPriority();

  HINSTANCE module_;
  ATOM windowClass_ = 0;
  BitmapTable& bitmaps_;
  PointerReporter& pointer_;
  bool floating_ = false;
  int lockDepth_ = 0;
  bool redrawPending_ = false;
  bool monitorsStale_ = true;
  std::vector<Monitor> monitors_;
  // Windows of objects deleted while drawing was locked; they stay on the
  // screen until Unlock has shown what replaces them.
  std::vector<zettrella::UniqueWindow> retired_;
  HandleTable<DeskObject> objects_;
};

}  // namespace vextal
