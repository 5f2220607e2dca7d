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
#include "notes/layer/note_layer.h"
#include "vextal/vextal_api.h"

namespace zettrella {

// The library's entry points, null where missing.
struct VextalEntryPoints {
#define VEXTAL_DECLARE_POINTER(name, result, params) vextal::name##_fn name = nullptr;
  VEXTAL_ENTRY_POINTS(VEXTAL_DECLARE_POINTER)
#undef VEXTAL_DECLARE_POINTER

  // Looks every entry point up in module; true when all of them are there.
  bool Resolve(HMODULE module);
};

// The calls of the layer through a table of its entry points: strings go
// over in new GMEM_FIXED blocks, wrapped text comes back into our memory.
// Never loads or unloads the library by itself.
class VextalCalls : public NoteLayer {
 public:
  explicit VextalCalls(const VextalEntryPoints& entries = {}) : entries_(entries) {}

  void Unload() override;
  void Floating(int32_t on) override;
  void Attach(int32_t window) override;
  int32_t Create(int32_t x, int32_t y, int32_t priority) override;
  void Delete(int32_t id) override;
  void Move(int32_t id, int32_t dx, int32_t dy) override;
  int32_t GetPosX(int32_t id) override;
  int32_t GetPosY(int32_t id) override;
  void SetPriority(int32_t id, int32_t priority) override;
  void Redraw() override;
  void UpdateDesktopSize() override;
  void LockDraw() override;
  void UnlockDraw() override;
  int32_t MakeFont(std::string_view name, int32_t size) override;
  void DeleteFont(int32_t font) override;
  std::string WordWrap(std::string_view text, int32_t font, int32_t width) override;
  void PaintText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, vextal::Rect* rect,
                 int32_t flags) override;
  int32_t CreateBitmap(int32_t width, int32_t height, int32_t* extra) override;
  void DeleteBitmap(int32_t bitmap) override;
  void FillRect(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height,
                int32_t colour) override;
  void DrawLine(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) override;
  void SetImage(int32_t id, int32_t bitmap, int32_t extra) override;
  void UpdateImage(int32_t id) override;

 protected:
  VextalEntryPoints entries_;
};

class VextalBinding : public VextalCalls {
 public:
  // Loads libraryName from moduleDir (with the current directory switched
  // to moduleDir meanwhile, for the library's own dependencies) and calls
  // _load with moduleDir.
  VextalBinding(const std::string& moduleDir, const char* libraryName);
  // Unload(), then frees the library module. Unload itself leaves the
  // module loaded, so that its code may still be on the stack (an event
  // call that has not returned) until the binding is destroyed.
  ~VextalBinding() override;

  bool loaded() const { return static_cast<bool>(module_); }
  // Every entry point was found.
  bool complete() const { return complete_; }

 private:
  UniqueModule module_;
  bool complete_ = false;
};

}  // namespace zettrella
