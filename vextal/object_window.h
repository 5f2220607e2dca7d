// The window class of the desktop objects, registered while it lives.
#pragma once

#include <windows.h>

#include <cstdint>

#include "common/win_handles.h"
#include "vextal/placement.h"

namespace vextal {

class ObjectWindowClass {
 public:
  explicit ObjectWindowClass(HINSTANCE module);
  ~ObjectWindowClass();
  ObjectWindowClass(const ObjectWindowClass&) = delete;
  ObjectWindowClass& operator=(const ObjectWindowClass&) = delete;

  // A hidden object window that knows its object's id.
  zettrella::UniqueWindow Create(int32_t id, Point at, bool topmost) const;

 private:
  HINSTANCE module_;
  ATOM atom_ = 0;
};

}  // namespace vextal
