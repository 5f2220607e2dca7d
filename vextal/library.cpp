// Objects, fonts, bitmaps and the drawing lock of the loaded layer.
#include "vextal/library.h"

#include <algorithm>
#include <climits>

#include "common/event_record.h"
#include "common/protocol.h"
#include "common/saturate.h"

namespace vextal {
namespace {

using zettrella::SaturatedAdd;

// The one loaded instance, owned here: created by _load, destroyed by _unload.
Library* g_instance = nullptr;

// Handle numbers go on where the previous load stopped, so that no id,
// font or bitmap number is ever handed out twice in the process.
struct NextHandles {
  int32_t object = 1;
  int32_t font = 1;
  int32_t bitmap = 1;
};
NextHandles g_next;

// While the left button is held on an object, the pointer is followed by
// this timer as well as by the captured mouse messages, because a capture
// does not bring the messages everywhere (not under Wine, for one).
constexpr UINT_PTR kDragTimer = 1;
constexpr UINT kDragTimerMs = 10;

Point CursorPoint() {
  POINT p{0, 0};
  GetCursorPos(&p);
  return {p.x, p.y};
}

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

UniqueWindow& UniqueWindow::operator=(UniqueWindow&& other) noexcept {
  if (this != &other) {
    if (hwnd_) DestroyWindow(hwnd_);
    hwnd_ = other.release();
  }
  return *this;
}

UniqueWindow::~UniqueWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

std::unique_ptr<Bitmap> Bitmap::Create(int32_t requestedWidth, int32_t requestedHeight) {
  // Too large a request gets the largest bitmap rather than none, so that
  // an object always has an image to show.
  const auto [width, height] = ClipBitmapSize(requestedWidth, requestedHeight);
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::unique_ptr<Bitmap> b(new Bitmap);
  b->dc_ = CreateCompatibleDC(nullptr);
  if (!b->dc_) return nullptr;
  void* bits = nullptr;
  b->bitmap_ = CreateDIBSection(b->dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!b->bitmap_ || !bits) return nullptr;
  b->old_ = SelectObject(b->dc_, b->bitmap_);
  b->canvas_ = {static_cast<uint32_t*>(bits), width, height};
  return b;
}

Bitmap::~Bitmap() {
  if (old_) SelectObject(dc_, old_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

Canvas Bitmap::canvas() const {
  GdiFlush();
  return canvas_;
}

void Library::Load(HINSTANCE module) {
  if (!g_instance) g_instance = new Library(module);
}

void Library::Unload() {
  delete g_instance;
  g_instance = nullptr;
}

Library* Library::Instance() { return g_instance; }

Library::Library(HINSTANCE module)
    : module_(module), objects_(g_next.object), fonts_(g_next.font), bitmaps_(g_next.bitmap) {
  windowClass_ = RegisterObjectClass(module_);
  measureDc_ = CreateCompatibleDC(nullptr);
  if (HDC screen = GetDC(nullptr)) {
    dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  if (dpi_ <= 0) dpi_ = 96;
  stockFont_ = Font::Stock(measureDc_);
}

Library::~Library() {
  g_next = {objects_.NextHandle(), fonts_.NextHandle(), bitmaps_.NextHandle()};
  // Windows go first: they may be showing the bitmaps.
  objects_.Clear();
  retired_.clear();
  bitmaps_.Clear();
  fonts_.Clear();
  if (measureDc_) DeleteDC(measureDc_);
  if (windowClass_) UnregisterObjectClass(module_);
}

// --- objects ---------------------------------------------------------------

int32_t Library::AddObject(int32_t x, int32_t y, int32_t priority) {
  DeskObject o;
  o.priority = priority;
  o.wanted = {x, y};
  o.pos = ReachablePosition(o.wanted, 0, 0, Monitors());
  const int32_t id = objects_.NextHandle();
  HWND hwnd = CreateObjectWindow(module_, id, o.pos, floating_);
  if (!hwnd) return -1;
  o.window = UniqueWindow(hwnd);
  if (objects_.Add(std::move(o)) != id) return -1;
  return id;
}

void Library::RemoveObject(int32_t id) {
  DeskObject o;
  if (!objects_.Take(id, o)) return;
  if (lockDepth_ > 0 && o.visible) retired_.push_back(std::move(o.window));
}

void Library::MoveObject(int32_t id, int32_t dx, int32_t dy) {
  DeskObject* o = FindObject(id);
  if (!o) return;
  if (o->placed) {
    o->pos = {SaturatedAdd(o->pos.x, dx), SaturatedAdd(o->pos.y, dy)};
  } else {
    o->wanted = {SaturatedAdd(o->wanted.x, dx), SaturatedAdd(o->wanted.y, dy)};
    o->pos = ReachablePosition(o->wanted, 0, 0, Monitors());
  }
  ApplyPosition(*o);
}

Point Library::ObjectPosition(int32_t id) {
  DeskObject* o = FindObject(id);
  return o ? o->pos : Point{0, 0};
}

void Library::SetPriority(int32_t id, int32_t priority) {
  DeskObject* o = FindObject(id);
  if (!o) return;
  o->priority = priority;
  if (lockDepth_ > 0) {
    o->restack = true;
  } else if (o->visible) {
    PlaceInStack(id, *o);
  }
}

void Library::SetFloating(bool on) {
  floating_ = on;
  // Lowest first: each window goes to the front of its band, so the
  // highest priority ends up in front.
  for (auto& [id, o] : ByPriority()) {
    SetWindowPos(o->window.get(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kStackFlags);
  }
}

void Library::Redraw() {
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

void Library::UpdateDesktop() {
  monitorsStale_ = true;
  const std::vector<Monitor>& monitors = Monitors();
  objects_.ForEach([&](int32_t, DeskObject& o) {
    const Point before = o.pos;
    o.pos =
        o.placed ? ReachablePosition(o.pos, o.width, o.height, monitors) : ReachablePosition(o.wanted, 0, 0, monitors);
    if (o.pos.x != before.x || o.pos.y != before.y) ApplyPosition(o);
  });
}

void Library::Lock() { ++lockDepth_; }

void Library::Unlock() {
  if (lockDepth_ == 0) return;
  if (--lockDepth_ == 0) Flush();
}

// Shows what changed while locked: replaced objects first, so that a note
// being rebuilt is never missing from the screen, then the old windows go.
void Library::Flush() {
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

void Library::Present(int32_t id, DeskObject& o) {
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
  Bitmap* b = FindBitmap(o.bitmap, CompanionOf(o.bitmap));
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

void Library::ApplyPosition(DeskObject& o) {
  if (lockDepth_ > 0) {
    o.dirty = true;
    return;
  }
  if (o.visible) {
    SetWindowPos(o.window.get(), nullptr, o.pos.x, o.pos.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
}

void Library::PlaceInStack(int32_t id, DeskObject& o) {
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

std::vector<std::pair<int32_t, DeskObject*>> Library::ByPriority() {
  std::vector<std::pair<int32_t, DeskObject*>> list;
  list.reserve(objects_.Size());
  objects_.ForEach([&](int32_t id, DeskObject& o) { list.emplace_back(id, &o); });
  std::stable_sort(list.begin(), list.end(),
                   [](const auto& a, const auto& b) { return a.second->priority < b.second->priority; });
  return list;
}

const std::vector<Monitor>& Library::Monitors() {
  if (monitorsStale_) {
    monitors_.clear();
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors_));
    monitorsStale_ = false;
  }
  return monitors_;
}

// --- fonts and text --------------------------------------------------------

int32_t Library::AddFont(std::string_view face, int32_t points) {
  Font font = Font::Create(face, points, dpi_, measureDc_);
  if (!font.handle()) return 0;
  return fonts_.Add(std::move(font));
}

void Library::RemoveFont(int32_t font) { fonts_.Remove(font); }

const Font& Library::FontOrStock(int32_t font) {
  const Font* f = fonts_.Find(font);
  return f ? *f : stockFont_;
}

std::string Library::WordWrap(std::string_view text, int32_t font, int32_t width) {
  if (text.empty()) return {};
  const Font& f = FontOrStock(font);
  zettrella::SelectedObject use(measureDc_, f.handle());
  GdiMeasurer measurer(measureDc_, f.tabStop());
  return JoinLines(text, LayOutText(text, width, measurer));
}

// Text is laid out with the same breaking as WordWrap at the rectangle's
// width (wrapped text stays as it is) and drawn with the measured advances,
// so that measuring and drawing agree to the pixel.
void Library::RenderText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, Rect* rect,
                         int32_t flags) {
  if (!rect) return;
  const Font& f = FontOrStock(font);
  const bool measureOnly = (flags & kMeasureOnly) != 0;
  Bitmap* target = nullptr;
  if (!measureOnly) {
    std::unique_ptr<Bitmap>* found = bitmaps_.Find(bitmap);
    if (!found) return;
    target = found->get();
  }

  HDC dc = target ? target->dc() : measureDc_;
  zettrella::SelectedObject use(dc, f.handle());
  GdiMeasurer measurer(dc, f.tabStop());
  const int width = static_cast<int>(std::clamp<int64_t>(int64_t{rect->right} - rect->left, 0, INT_MAX));
  const TextLayout layout = LayOutText(text, width, measurer);
  const int64_t lineHeight = f.lineHeight();
  if (measureOnly) {
    const int64_t bottom = rect->top + lineHeight * static_cast<int64_t>(layout.lines.size());
    rect->bottom = static_cast<int32_t>(std::min<int64_t>(bottom, INT32_MAX));
    return;
  }

  RECT clip{std::max(rect->left, 0), std::max(rect->top, 0), std::min(rect->right, target->width()),
            std::min(rect->bottom, target->height())};
  if (clip.left >= clip.right || clip.top >= clip.bottom) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RgbToColorref(colour));
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  std::vector<wchar_t> run;
  std::vector<INT> dx;
  for (size_t i = 0; i < layout.lines.size(); ++i) {
    const int64_t y = rect->top + lineHeight * static_cast<int64_t>(i);
    if (y >= clip.bottom) break;
    if (y + lineHeight <= clip.top) continue;
    const TextLayout::Line& line = layout.lines[i];
    run.assign(measurer.wide().begin() + line.first, measurer.wide().begin() + line.last);
    dx.assign(layout.advances.begin() + line.first, layout.advances.begin() + line.last);
    if (run.empty()) continue;
    ExtTextOutW(dc, rect->left, static_cast<int>(y), ETO_CLIPPED, &clip, run.data(), static_cast<UINT>(run.size()),
                dx.data());
  }
  // GDI leaves the alpha byte of the pixels it writes at 0; the image is
  // opaque, and a window manager that honours alpha would show holes.
  const Canvas canvas = target->canvas();
  for (LONG row = clip.top; row < clip.bottom; ++row) {
    uint32_t* line = canvas.pixels + int64_t{row} * canvas.width;
    for (LONG col = clip.left; col < clip.right; ++col) line[col] |= 0xFF000000u;
  }
}

// --- bitmaps ---------------------------------------------------------------

int32_t Library::AddBitmap(int32_t width, int32_t height, int32_t* extra) {
  std::unique_ptr<Bitmap> b = Bitmap::Create(width, height);
  if (!b) return 0;
  const int32_t handle = bitmaps_.Add(std::move(b));
  if (extra) *extra = handle ? CompanionOf(handle) : 0;
  return handle;
}

void Library::RemoveBitmap(int32_t bitmap) { bitmaps_.Remove(bitmap); }

Bitmap* Library::FindBitmap(int32_t bitmap, int32_t extra) {
  if (extra != CompanionOf(bitmap)) return nullptr;
  std::unique_ptr<Bitmap>* b = bitmaps_.Find(bitmap);
  return b ? b->get() : nullptr;
}

void Library::Fill(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height, int32_t colour) {
  if (Bitmap* b = FindBitmap(bitmap, extra)) FillRect(b->canvas(), x, y, width, height, colour);
}

void Library::Line(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) {
  if (Bitmap* b = FindBitmap(bitmap, extra)) DrawLine(b->canvas(), x1, y1, x2, y2, colour);
}

void Library::SetImage(int32_t id, int32_t bitmap, int32_t extra) {
  DeskObject* o = FindObject(id);
  if (!o) return;
  if (bitmap != 0 && !FindBitmap(bitmap, extra)) return;
  o->bitmap = bitmap;
  Present(id, *o);
}

void Library::UpdateImage(int32_t id) {
  if (DeskObject* o = FindObject(id)) Present(id, *o);
}

// --- events ----------------------------------------------------------------

bool Library::OnObjectMouse(HWND hwnd, UINT message) {
  const auto id = static_cast<int32_t>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  DeskObject* o = FindObject(id);
  if (!o || o->window.get() != hwnd) return false;
  // Presses and releases are reported where the pointer was when they
  // happened; moves where it is now, which is never older than what was
  // reported before (the dragged window moves between the messages).
  const DWORD at = GetMessagePos();
  const Point messagePos{static_cast<int16_t>(LOWORD(at)), static_cast<int16_t>(HIWORD(at))};
  // Nothing of the object is touched after SendEvent: the receiver may
  // delete it, and its window, before the call returns.
  switch (message) {
    case WM_LBUTTONDOWN:
      o->pressed = true;
      o->lastReported = messagePos;
      SetCapture(hwnd);
      SetTimer(hwnd, kDragTimer, kDragTimerMs, nullptr);
      SendEvent(hwnd, zettrella::kEventLButtonDown, id, messagePos);
      return true;
    case WM_MOUSEMOVE:
      if (o->pressed) ReportDragMove(hwnd, id, *o);
      return true;
    case WM_TIMER:
      if (!o->pressed) {
        KillTimer(hwnd, kDragTimer);
      } else if (GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) < 0) {
        ReportDragMove(hwnd, id, *o);
      } else {
        // The release went to another window (Wine routes captured input
        // only to the foreground thread): end the drag here.
        EndDrag(hwnd, id, *o, CursorPoint());
      }
      return true;
    case WM_LBUTTONUP:
      if (o->pressed) EndDrag(hwnd, id, *o, messagePos);
      return true;
    case WM_CAPTURECHANGED:
      // Capture taken away mid-drag (a menu, another program): the timer
      // goes on following the pointer until the button comes up.
      return true;
    case WM_LBUTTONDBLCLK:
      SendEvent(hwnd, zettrella::kEventLButtonDoubleClick, id, messagePos);
      return true;
    case WM_RBUTTONUP:
      SendEvent(hwnd, zettrella::kEventRButtonUp, id, messagePos);
      return true;
    default:
      return false;
  }
}

void Library::ReportDragMove(HWND hwnd, int32_t id, DeskObject& o) {
  const Point p = CursorPoint();
  if (p.x == o.lastReported.x && p.y == o.lastReported.y) return;
  o.lastReported = p;
  SendEvent(hwnd, zettrella::kEventMouseMove, id, p);
}

// A release away from the last reported point first reports the move to
// it, so that whoever drags the object sees it end where the button came up.
void Library::EndDrag(HWND hwnd, int32_t id, DeskObject& o, Point at) {
  o.pressed = false;
  KillTimer(hwnd, kDragTimer);
  if (GetCapture() == hwnd) ReleaseCapture();
  const bool moved = at.x != o.lastReported.x || at.y != o.lastReported.y;
  o.lastReported = at;
  if (moved) SendEvent(hwnd, zettrella::kEventMouseMove, id, at);
  // `o` may be gone from here on: the receiver can delete the object.
  SendEvent(hwnd, zettrella::kEventLButtonUp, id, at);
}

void Library::SendEvent(HWND from, const char* name, int32_t id, Point at) {
  HWND to = target_;
  if (!to || !IsWindow(to)) return;
  std::string record = zettrella::FormatEventRecord(name, id, at.x, at.y);
  COPYDATASTRUCT data{0, static_cast<DWORD>(record.size()), record.data()};
  DWORD_PTR result = 0;
  // A receiver in a hung process must not freeze the notes' thread.
  SendMessageTimeoutA(to, WM_COPYDATA, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&data),
                      SMTO_ABORTIFHUNG, 5000, &result);
}

}  // namespace vextal
