// The state of the loaded layer: the object window class, fonts and text,
// bitmaps, the desktop objects and the reporter of their mouse events. One
// instance lives from _load to _unload.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "vextal/bitmap.h"
#include "vextal/object_stack.h"
#include "vextal/object_window.h"
#include "vextal/pointer_reporter.h"
#include "vextal/text_renderer.h"
#include "vextal/vextal_api.h"

namespace vextal {

class Library {
 public:
  // Creates the instance if there is none; Unload destroys it.
  static void Load(HINSTANCE module);
  static void Unload();
  static Library* Instance();

  ~Library();

  ObjectStack& objects() { return objects_; }
  TextRenderer& text() { return text_; }
  PointerReporter& pointer() { return pointer_; }

  void RenderText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, Rect* rect, int32_t flags);
  int32_t AddBitmap(int32_t width, int32_t height, int32_t* extra);
  void RemoveBitmap(int32_t bitmap) { bitmaps_.Remove(bitmap); }
  void Fill(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height, int32_t colour);
  void Line(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour);

  // Mouse messages of an object window; false for messages it leaves alone.
  bool OnObjectMouse(HWND hwnd, UINT message);

 private:
  explicit Library(HINSTANCE module);

  // Destroyed from the last: the windows go before the bitmaps they may be
  // showing, the window class after its windows.
  ObjectWindowClass windowClass_;
  TextRenderer text_;
  BitmapTable bitmaps_;
  ObjectStack objects_;
  PointerReporter pointer_;
};

}  // namespace vextal
