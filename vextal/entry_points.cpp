// The 24 exported entry points and the loaded layer they work on. Each
// takes ownership of the string blocks handed to it, lets no exception
// escape, and before _load and after _unload does nothing and gives the
// "none" values.
#include <windows.h>

#include <cstring>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>

#include "common/win_handles.h"
#include "vextal/bitmap.h"
#include "vextal/object_stack.h"
#include "vextal/pointer_reporter.h"
#include "vextal/text_renderer.h"
#include "vextal/vextal_api.h"

namespace {

HINSTANCE g_module = nullptr;

// Handle numbers go on where the previous load stopped, so that no id,
// font or bitmap number is ever handed out twice in the process.
struct NextHandles {
  int32_t object = 1;
  int32_t font = 1;
  int32_t bitmap = 1;
};
NextHandles g_next;

// The loaded layer. Its members are destroyed from the last: the windows
// go before the bitmaps they may be showing.
struct Library {
  Library() : text(g_next.font), bitmaps(g_next.bitmap), objects(g_module, bitmaps, pointer, g_next.object) {}
  ~Library() { g_next = {objects.NextId(), text.NextFont(), bitmaps.NextHandle()}; }

  vextal::TextRenderer text;
  vextal::BitmapTable bitmaps;
  vextal::PointerReporter pointer;
  vextal::ObjectStack objects;
};

// The one loaded instance: created by _load, destroyed by _unload.
Library* g_library = nullptr;

// A string block from the caller: GlobalAlloc(GMEM_FIXED) memory without a
// terminator. Freed exactly once, when the entry point returns. A length
// beyond the block's real size is cut to it; a negative one reads as empty.
class Block {
 public:
  Block(char* data, int32_t len) : data_(data) {
    if (!data_ || len <= 0) return;
    const SIZE_T size = GlobalSize(data_);
    len_ = size != 0 && size < static_cast<SIZE_T>(len) ? size : static_cast<size_t>(len);
  }
  ~Block() {
    if (data_) GlobalFree(data_);
  }
  Block(const Block&) = delete;
  Block& operator=(const Block&) = delete;
  std::string_view view() const { return {data_, len_}; }

 private:
  char* data_;
  size_t len_ = 0;
};

// Runs f on the loaded library, giving `none` when there is none or when f
// throws (only std::bad_alloc can).
template <class F, class R = std::invoke_result_t<F&, Library&>>
R WithLibrary(F f, std::conditional_t<std::is_void_v<R>, int, R> none = {}) {
  if (!g_library) return R(none);
  try {
    return f(*g_library);
  } catch (...) {
    return R(none);
  }
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = module;
    DisableThreadLibraryCalls(module);
  }
  return TRUE;
}

void VEXTAL_CALL vx_load(char* dir, int32_t dirLen) {
  Block block(dir, dirLen);
  try {
    if (!g_library) g_library = new Library;
  } catch (...) {
  }
}

void VEXTAL_CALL vx_unload() { delete std::exchange(g_library, nullptr); }

void VEXTAL_CALL vx_floating(int32_t on) {
  WithLibrary([&](Library& lib) { lib.objects.SetFloating(on != 0); });
}

void VEXTAL_CALL vx_attach(int32_t hwnd) {
  WithLibrary([&](Library& lib) { lib.pointer.Attach(zettrella::WindowOfId(hwnd)); });
}

int32_t VEXTAL_CALL vx_create(int32_t x, int32_t y, int32_t, int32_t, int32_t priority) {
  return WithLibrary([&](Library& lib) { return lib.objects.Add(x, y, priority); }, vextal::kNoId);
}

void VEXTAL_CALL vx_delete(int32_t id) {
  WithLibrary([&](Library& lib) { lib.objects.Remove(id); });
}

void VEXTAL_CALL vx_move(int32_t id, int32_t dx, int32_t dy) {
  WithLibrary([&](Library& lib) { lib.objects.Move(id, dx, dy); });
}

int32_t VEXTAL_CALL vx_get_pos_x(int32_t id) {
  return WithLibrary([&](Library& lib) { return lib.objects.Position(id).x; });
}

int32_t VEXTAL_CALL vx_get_pos_y(int32_t id) {
  return WithLibrary([&](Library& lib) { return lib.objects.Position(id).y; });
}

void VEXTAL_CALL vx_set_priority(int32_t id, int32_t priority) {
  WithLibrary([&](Library& lib) { lib.objects.SetPriority(id, priority); });
}

void VEXTAL_CALL vx_redraw() {
  WithLibrary([&](Library& lib) { lib.objects.Redraw(); });
}

void VEXTAL_CALL vx_update_desktopsize() {
  WithLibrary([&](Library& lib) { lib.objects.UpdateDesktop(); });
}

void VEXTAL_CALL vx_lock_draw() {
  WithLibrary([&](Library& lib) { lib.objects.Lock(); });
}

void VEXTAL_CALL vx_unlock_draw() {
  WithLibrary([&](Library& lib) { lib.objects.Unlock(); });
}

int32_t VEXTAL_CALL vx_create_font(char* name, int32_t nameLen, int32_t size) {
  Block block(name, nameLen);
  return WithLibrary([&](Library& lib) { return lib.text.AddFont(block.view(), size); });
}

void VEXTAL_CALL vx_delete_font(int32_t font) {
  WithLibrary([&](Library& lib) { lib.text.RemoveFont(font); });
}

// The result is a new GlobalAlloc(GMEM_FIXED) block that the caller frees;
// an empty result is no block and a length of 0.
char* VEXTAL_CALL vx_word_wrap(char* text, int32_t textLen, int32_t font, int32_t width, int32_t* outLen) {
  Block block(text, textLen);
  if (outLen) *outLen = 0;
  if (!outLen) return nullptr;
  return WithLibrary([&](Library& lib) -> char* {
    const std::string wrapped = lib.text.WordWrap(block.view(), font, width);
    if (wrapped.empty() || wrapped.size() > INT32_MAX) return nullptr;
    auto* out = static_cast<char*>(GlobalAlloc(GMEM_FIXED, wrapped.size()));
    if (!out) return nullptr;
    std::memcpy(out, wrapped.data(), wrapped.size());
    *outLen = static_cast<int32_t>(wrapped.size());
    return out;
  });
}

void VEXTAL_CALL vx_draw_text(int32_t bitmap, char* text, int32_t textLen, int32_t font, int32_t colour,
                              vextal::Rect* rect, int32_t flags) {
  Block block(text, textLen);
  WithLibrary([&](Library& lib) {
    if (!rect) return;
    const bool measure = (flags & vextal::kMeasureOnly) != 0;
    std::unique_ptr<vextal::Bitmap>* target = measure ? nullptr : lib.bitmaps.Find(bitmap);
    if (measure || target) lib.text.Render(target ? target->get() : nullptr, block.view(), font, colour, *rect);
  });
}

int32_t VEXTAL_CALL vx_create_bitmap(int32_t width, int32_t height, int32_t* extra) {
  if (extra) *extra = 0;
  return WithLibrary([&](Library& lib) {
    std::unique_ptr<vextal::Bitmap> b = vextal::Bitmap::Create(width, height);
    const int32_t handle = b ? lib.bitmaps.Add(std::move(b)) : 0;
    if (extra && handle) *extra = vextal::CompanionOf(handle);
    return handle;
  });
}

void VEXTAL_CALL vx_delete_bitmap(int32_t bitmap) {
  WithLibrary([&](Library& lib) { lib.bitmaps.Remove(bitmap); });
}

void VEXTAL_CALL vx_fill_rect(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height,
                              int32_t colour) {
  WithLibrary([&](Library& lib) {
    if (vextal::Bitmap* b = vextal::FindBitmap(lib.bitmaps, bitmap, extra))
      vextal::FillRect(b->canvas(), x, y, width, height, colour);
  });
}

void VEXTAL_CALL vx_draw_line(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                              int32_t colour) {
  WithLibrary([&](Library& lib) {
    if (vextal::Bitmap* b = vextal::FindBitmap(lib.bitmaps, bitmap, extra))
      vextal::DrawLine(b->canvas(), x1, y1, x2, y2, colour);
  });
}

void VEXTAL_CALL vx_set_image_h(int32_t id, int32_t bitmap, int32_t extra) {
  WithLibrary([&](Library& lib) { lib.objects.SetImage(id, bitmap, extra); });
}

void VEXTAL_CALL vx_update_image_h(int32_t id) {
  WithLibrary([&](Library& lib) { lib.objects.UpdateImage(id); });
}

}  // extern "C"

// Every entry point has exactly the type the shared header gives it.
#define VEXTAL_CHECK_TYPE(name, result, params) \
  static_assert(std::is_same_v<decltype(&vx##name), vextal::name##_fn>, #name);
VEXTAL_ENTRY_POINTS(VEXTAL_CHECK_TYPE)
#undef VEXTAL_CHECK_TYPE
