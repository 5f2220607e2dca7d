// The loaded layer: its parts, and the bitmaps they share.
#include "vextal/library.h"

namespace vextal {
namespace {

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

}  // namespace

void Library::Load(HINSTANCE module) {
  if (!g_instance) g_instance = new Library(module);
}

void Library::Unload() {
  delete g_instance;
  g_instance = nullptr;
}

Library* Library::Instance() { return g_instance; }

Library::Library(HINSTANCE module)
    : windowClass_(module),
      text_(g_next.font),
      bitmaps_(g_next.bitmap),
      objects_(windowClass_, bitmaps_, g_next.object) {}

Library::~Library() { g_next = {objects_.NextId(), text_.NextFont(), bitmaps_.NextHandle()}; }

void Library::RenderText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, Rect* rect,
                         int32_t flags) {
  if (!rect) return;
  Bitmap* target = nullptr;
  if ((flags & kMeasureOnly) == 0) {
    std::unique_ptr<Bitmap>* found = bitmaps_.Find(bitmap);
    if (!found) return;
    target = found->get();
  }
  text_.Render(target, text, font, colour, *rect);
}

int32_t Library::AddBitmap(int32_t width, int32_t height, int32_t* extra) {
  std::unique_ptr<Bitmap> b = Bitmap::Create(width, height);
  if (!b) return 0;
  const int32_t handle = bitmaps_.Add(std::move(b));
  if (extra) *extra = handle ? CompanionOf(handle) : 0;
  return handle;
}

void Library::Fill(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height, int32_t colour) {
  if (Bitmap* b = FindBitmap(bitmaps_, bitmap, extra)) FillRect(b->canvas(), x, y, width, height, colour);
}

void Library::Line(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) {
  if (Bitmap* b = FindBitmap(bitmaps_, bitmap, extra)) DrawLine(b->canvas(), x1, y1, x2, y2, colour);
}

bool Library::OnObjectMouse(HWND hwnd, UINT message) {
  const auto id = static_cast<int32_t>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  DeskObject* o = objects_.Find(id);
  if (!o || o->window.get() != hwnd) return false;
  return pointer_.OnMouse(hwnd, message, id, o->drag);
}

}  // namespace vextal
