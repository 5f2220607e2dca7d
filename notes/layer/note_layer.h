// What the notes ask of the layer library: the calls of vextal.dll in the
// program's own types. VextalBinding is the real one; the benchmarks and
// tests may put their own in between.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "vextal/vextal_api.h"

namespace zettrella {

class NoteLayer {
 public:
  virtual ~NoteLayer() = default;

  // Ends the library's work; every later call is a no-op with the library's
  // "none" result (id -1, font 0, bitmap 0, position 0, no text).
  virtual void Unload() = 0;
  virtual void Floating(int32_t on) = 0;
  // window: the window's handle as its 32-bit value.
  virtual void Attach(int32_t window) = 0;
  virtual int32_t Create(int32_t x, int32_t y, int32_t priority) = 0;
  virtual void Delete(int32_t id) = 0;
  virtual void Move(int32_t id, int32_t dx, int32_t dy) = 0;
  virtual int32_t GetPosX(int32_t id) = 0;
  virtual int32_t GetPosY(int32_t id) = 0;
  virtual void SetPriority(int32_t id, int32_t priority) = 0;
  virtual void Redraw() = 0;
  virtual void UpdateDesktopSize() = 0;
  virtual void LockDraw() = 0;
  virtual void UnlockDraw() = 0;
  virtual int32_t MakeFont(std::string_view name, int32_t size) = 0;
  virtual void DeleteFont(int32_t font) = 0;
  // The text broken into lines at most width pixels wide, copied into our
  // own memory; empty when the library offers no result.
  virtual std::string WordWrap(std::string_view text, int32_t font, int32_t width) = 0;
  virtual void PaintText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, vextal::Rect* rect,
                         int32_t flags) = 0;
  virtual int32_t CreateBitmap(int32_t width, int32_t height, int32_t* extra) = 0;
  virtual void DeleteBitmap(int32_t bitmap) = 0;
  virtual void FillRect(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height,
                        int32_t colour) = 0;
  virtual void DrawLine(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                        int32_t colour) = 0;
  virtual void SetImage(int32_t id, int32_t bitmap, int32_t extra) = 0;
  virtual void UpdateImage(int32_t id) = 0;
};

}  // namespace zettrella
