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

// A string for the library: a new GMEM_FIXED block of its bytes without a
// terminator, which the library owns from then on; null for the empty text.
char* NewBlock(std::string_view text);

// The calls of the layer through a table of its entry points: strings go
// over in new GMEM_FIXED blocks, wrapped text comes back into our memory.
// Never loads or unloads the library by itself.
class VextalCalls : public NoteLayer {
 public:
  explicit VextalCalls(const VextalEntryPoints& entries = {}) : entries_(entries) {}

  void Unload() override;
  void Floating(int32_t on) override { CallIfThere(entries_._floating, on); }
  void Attach(int32_t window) override { CallIfThere(entries_._attach, window); }
  int32_t Create(int32_t x, int32_t y, int32_t priority) override;
  void Delete(int32_t id) override { CallIfThere(entries_._delete, id); }
  void Move(int32_t id, int32_t dx, int32_t dy) override { CallIfThere(entries_._move, id, dx, dy); }
  int32_t GetPosX(int32_t id) override { return entries_._get_pos_x ? entries_._get_pos_x(id) : 0; }
  int32_t GetPosY(int32_t id) override { return entries_._get_pos_y ? entries_._get_pos_y(id) : 0; }
  void SetPriority(int32_t id, int32_t priority) override { CallIfThere(entries_._set_priority, id, priority); }
  void Redraw() override { CallIfThere(entries_._redraw); }
  void UpdateDesktopSize() override { CallIfThere(entries_._update_desktopsize); }
  void LockDraw() override { CallIfThere(entries_._lock_draw); }
  void UnlockDraw() override { CallIfThere(entries_._unlock_draw); }
  int32_t MakeFont(std::string_view name, int32_t size) override;
  void DeleteFont(int32_t font) override { CallIfThere(entries_._delete_font, font); }
  std::string WordWrap(std::string_view text, int32_t font, int32_t width) override;
  void PaintText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, vextal::Rect* rect,
                 int32_t flags) override;
  int32_t CreateBitmap(int32_t width, int32_t height, int32_t* extra) override;
  void DeleteBitmap(int32_t bitmap) override { CallIfThere(entries_._delete_bitmap, bitmap); }
  void FillRect(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height,
                int32_t colour) override;
  void DrawLine(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) override;
  void SetImage(int32_t id, int32_t bitmap, int32_t extra) override {
    CallIfThere(entries_._set_image_h, id, bitmap, extra);
  }
  void UpdateImage(int32_t id) override { CallIfThere(entries_._update_image_h, id); }

 protected:
  VextalEntryPoints entries_;

 private:
  // A call of an entry point without a result; none when it is missing.
  template <class Entry, class... Args>
  static void CallIfThere(Entry entry, Args... args) {
    if (entry) entry(args...);
  }
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

  // Every entry point was found.
  bool complete() const { return complete_; }

 private:
  UniqueModule module_;
  bool complete_ = false;
};

}  // namespace zettrella
