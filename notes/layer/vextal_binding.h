// The note program's binding to the layer library vextal.dll: loads it from
// the program's folder, resolves its entry points and calls them. A missing
// library or entry point makes the call a no-op with the library's "none"
// result (id -1, font 0, bitmap 0, position 0, no text).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "common/win_handles.h"
#include "notes/input/event_record.h"
#include "vextal/vextal_api.h"

namespace zettrella {

class VextalBinding {
 public:
  // Loads libraryName from moduleDir (with the current directory switched
  // to moduleDir meanwhile, for the library's own dependencies) and calls
  // _load with moduleDir.
  VextalBinding(const std::string& moduleDir, const char* libraryName);
  // Unload(), then frees the library module.
  virtual ~VextalBinding();
  // Calls _unload; every later call is a no-op with the "none" result. The
  // module itself stays loaded until the binding is destroyed, so that its
  // code may still be on the stack (an event call that has not returned).
  void Unload();
  VextalBinding(const VextalBinding&) = delete;
  VextalBinding& operator=(const VextalBinding&) = delete;

  bool loaded() const { return static_cast<bool>(module_); }

  void Floating(int32_t on);
  void Attach(HWND window);
  int32_t Create(int32_t x, int32_t y, int32_t priority);
  void Delete(int32_t id);
  void Move(int32_t id, int32_t dx, int32_t dy);
  int32_t GetPosX(int32_t id);
  int32_t GetPosY(int32_t id);
  void SetPriority(int32_t id, int32_t priority);
  void Redraw();
  void UpdateDesktopSize();
  void LockDraw();
  void UnlockDraw();
  int32_t CreateFont(std::string_view name, int32_t size);
  void DeleteFont(int32_t font);
  // The text broken into lines at most width pixels wide, copied into our
  // own memory; empty when the library offers no result.
  std::string WordWrap(std::string_view text, int32_t font, int32_t width);
  void DrawText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, vextal::Rect* rect, int32_t flags);
  int32_t CreateBitmap(int32_t width, int32_t height, int32_t* extra);
  void DeleteBitmap(int32_t bitmap);
  void FillRect(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height, int32_t colour);
  void DrawLine(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour);
  void SetImage(int32_t id, int32_t bitmap, int32_t extra);
  void UpdateImage(int32_t id);

  // The fields of the last event record the library sent.
  EventRecord& lastEvent() { return lastEvent_; }

 private:
  UniqueModule module_;
#define VEXTAL_DECLARE_POINTER(name, result, params) vextal::name##_fn name##_ = nullptr;
  VEXTAL_ENTRY_POINTS(VEXTAL_DECLARE_POINTER)
#undef VEXTAL_DECLARE_POINTER
  EventRecord lastEvent_;
};

}  // namespace zettrella
