// The state of the loaded layer: desktop objects (one layered popup window
// each), fonts and bitmaps, the drawing lock and the window that hears of
// mouse events. One instance lives from _load to _unload.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "vextal/canvas.h"
#include "vextal/font.h"
#include "vextal/handle_table.h"
#include "vextal/placement.h"
#include "vextal/vextal_api.h"

namespace vextal {

// Destroys its window when it goes.
class UniqueWindow {
 public:
  UniqueWindow() = default;
  explicit UniqueWindow(HWND hwnd) : hwnd_(hwnd) {}
  UniqueWindow(UniqueWindow&& other) noexcept : hwnd_(other.release()) {}
  UniqueWindow& operator=(UniqueWindow&& other) noexcept;
  ~UniqueWindow();
  UniqueWindow(const UniqueWindow&) = delete;
  UniqueWindow& operator=(const UniqueWindow&) = delete;
  HWND get() const { return hwnd_; }
  HWND release() {
    HWND h = hwnd_;
    hwnd_ = nullptr;
    return h;
  }

 private:
  HWND hwnd_ = nullptr;
};

// A 32-bit top-down DIB section selected into its own memory DC: GDI draws
// text through the DC, fills and lines go straight into its memory, and
// UpdateLayeredWindow shows it from the DC.
class Bitmap {
 public:
  // At most the largest bitmap (ClipBitmapSize); null when a side is not
  // positive or the memory cannot be had.
  static std::unique_ptr<Bitmap> Create(int32_t width, int32_t height);
  ~Bitmap();
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  HDC dc() const { return dc_; }
  int32_t width() const { return canvas_.width; }
  int32_t height() const { return canvas_.height; }
  // Pending GDI drawing is flushed first, so the memory is current.
  Canvas canvas() const;

 private:
  Bitmap() = default;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  Canvas canvas_{nullptr, 0, 0};
};

// One desktop object.
struct DeskObject {
  UniqueWindow window;
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
  bool pressed = false;  // the left button went down on it and is still held
  Point lastReported{0, 0};
};

class Library {
 public:
  // Creates the instance if there is none; Unload destroys it.
  static void Load(HINSTANCE module);
  static void Unload();
  static Library* Instance();

  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  void SetFloating(bool on);
  void Attach(HWND target) { target_ = target; }

  int32_t AddObject(int32_t x, int32_t y, int32_t priority);
  void RemoveObject(int32_t id);
  void MoveObject(int32_t id, int32_t dx, int32_t dy);
  Point ObjectPosition(int32_t id);
  void SetPriority(int32_t id, int32_t priority);
  void Redraw();
  void UpdateDesktop();
  void Lock();
  void Unlock();

  int32_t AddFont(std::string_view face, int32_t points);
  void RemoveFont(int32_t font);
  std::string WordWrap(std::string_view text, int32_t font, int32_t width);
  void RenderText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, Rect* rect, int32_t flags);

  int32_t AddBitmap(int32_t width, int32_t height, int32_t* extra);
  void RemoveBitmap(int32_t bitmap);
  void Fill(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height, int32_t colour);
  void Line(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour);
  void SetImage(int32_t id, int32_t bitmap, int32_t extra);
  void UpdateImage(int32_t id);

  // Mouse messages of an object window; false for messages it leaves alone.
  bool OnObjectMouse(HWND hwnd, UINT message);
  void OnDisplayChange() { monitorsStale_ = true; }

 private:
  explicit Library(HINSTANCE module);

  DeskObject* FindObject(int32_t id) { return objects_.Find(id); }
  Bitmap* FindBitmap(int32_t bitmap, int32_t extra);
  const Font& FontOrStock(int32_t font);
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
  void Flush();
  void ReportDragMove(HWND hwnd, int32_t id, DeskObject& o);
  void EndDrag(HWND hwnd, int32_t id, DeskObject& o, Point at);
  void SendEvent(HWND from, const char* name, int32_t id, Point at);

  HINSTANCE module_;
  ATOM windowClass_ = 0;
  HDC measureDc_ = nullptr;
  int dpi_ = 96;
  Font stockFont_;
  HWND target_ = nullptr;
  bool floating_ = false;
  int lockDepth_ = 0;
  bool redrawPending_ = false;
  bool monitorsStale_ = true;
  std::vector<Monitor> monitors_;
  HandleTable<DeskObject> objects_;
  HandleTable<Font> fonts_;
  HandleTable<std::unique_ptr<Bitmap>> bitmaps_;
  // Windows of objects deleted while drawing was locked; they stay on the
  // screen until Unlock has shown what replaces them.
  std::vector<UniqueWindow> retired_;
};

// The window class of the objects (object_window.cpp).
ATOM RegisterObjectClass(HINSTANCE module);
void UnregisterObjectClass(HINSTANCE module);
HWND CreateObjectWindow(HINSTANCE module, int32_t id, Point at, bool topmost);

}  // namespace vextal
