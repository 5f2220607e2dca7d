// The 24 exported entry points. Each takes ownership of the string blocks
// handed to it, checks nothing can escape as an exception, and passes the
// call on to the loaded Library; before _load and after _unload they do
// nothing and give the "none" values.
#include <windows.h>

#include <cstring>
#include <string_view>
#include <type_traits>

#include "common/win_handles.h"
#include "vextal/library.h"
#include "vextal/vextal_api.h"

namespace {

HINSTANCE g_module = nullptr;

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
template <class R, class F>
R WithLibrary(R none, F f) {
  vextal::Library* lib = vextal::Library::Instance();
  if (!lib) return none;
  try {
    return f(*lib);
  } catch (...) {
    return none;
  }
}

template <class F>
void WithLibrary(F f) {
  WithLibrary(0, [&](vextal::Library& lib) {
    f(lib);
    return 0;
  });
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
    vextal::Library::Load(g_module);
  } catch (...) {
  }
}

void VEXTAL_CALL vx_unload() { vextal::Library::Unload(); }

void VEXTAL_CALL vx_floating(int32_t on) {
  WithLibrary([&](vextal::Library& lib) { lib.objects().SetFloating(on != 0); });
}

void VEXTAL_CALL vx_attach(int32_t hwnd) {
  WithLibrary([&](vextal::Library& lib) { lib.pointer().Attach(zettrella::WindowOfId(hwnd)); });
}

int32_t VEXTAL_CALL vx_create(int32_t x, int32_t y, int32_t, int32_t, int32_t priority) {
  return WithLibrary(-1, [&](vextal::Library& lib) { return lib.objects().Add(x, y, priority); });
}

void VEXTAL_CALL vx_delete(int32_t id) {
  WithLibrary([&](vextal::Library& lib) { lib.objects().Remove(id); });
}

void VEXTAL_CALL vx_move(int32_t id, int32_t dx, int32_t dy) {
  WithLibrary([&](vextal::Library& lib) { lib.objects().Move(id, dx, dy); });
}

int32_t VEXTAL_CALL vx_get_pos_x(int32_t id) {
  return WithLibrary(0, [&](vextal::Library& lib) { return lib.objects().Position(id).x; });
}

int32_t VEXTAL_CALL vx_get_pos_y(int32_t id) {
  return WithLibrary(0, [&](vextal::Library& lib) { return lib.objects().Position(id).y; });
}

void VEXTAL_CALL vx_set_priority(int32_t id, int32_t priority) {
  WithLibrary([&](vextal::Library& lib) { lib.objects().SetPriority(id, priority); });
}

void VEXTAL_CALL vx_redraw() {
  WithLibrary([&](vextal::Library& lib) { lib.objects().Redraw(); });
}

void VEXTAL_CALL vx_update_desktopsize() {
  WithLibrary([&](vextal::Library& lib) { lib.objects().UpdateDesktop(); });
}

void VEXTAL_CALL vx_lock_draw() {
  WithLibrary([&](vextal::Library& lib) { lib.objects().Lock(); });
}

void VEXTAL_CALL vx_unlock_draw() {
  WithLibrary([&](vextal::Library& lib) { lib.objects().Unlock(); });
}

int32_t VEXTAL_CALL vx_create_font(char* name, int32_t nameLen, int32_t size) {
  Block block(name, nameLen);
  return WithLibrary(0, [&](vextal::Library& lib) { return lib.text().AddFont(block.view(), size); });
}

void VEXTAL_CALL vx_delete_font(int32_t font) {
  WithLibrary([&](vextal::Library& lib) { lib.text().RemoveFont(font); });
}

// The result is a new GlobalAlloc(GMEM_FIXED) block that the caller frees;
// an empty result is no block and a length of 0.
char* VEXTAL_CALL vx_word_wrap(char* text, int32_t textLen, int32_t font, int32_t width, int32_t* outLen) {
  Block block(text, textLen);
  if (outLen) *outLen = 0;
  if (!outLen) return nullptr;
  return WithLibrary<char*>(nullptr, [&](vextal::Library& lib) -> char* {
    const std::string wrapped = lib.text().WordWrap(block.view(), font, width);
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
  WithLibrary([&](vextal::Library& lib) { lib.RenderText(bitmap, block.view(), font, colour, rect, flags); });
}

int32_t VEXTAL_CALL vx_create_bitmap(int32_t width, int32_t height, int32_t* extra) {
  if (extra) *extra = 0;
  return WithLibrary(0, [&](vextal::Library& lib) { return lib.AddBitmap(width, height, extra); });
}

void VEXTAL_CALL vx_delete_bitmap(int32_t bitmap) {
  WithLibrary([&](vextal::Library& lib) { lib.RemoveBitmap(bitmap); });
}

void VEXTAL_CALL vx_fill_rect(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height,
                              int32_t colour) {
  WithLibrary([&](vextal::Library& lib) { lib.Fill(bitmap, extra, x, y, width, height, colour); });
}

void VEXTAL_CALL vx_draw_line(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                              int32_t colour) {
  WithLibrary([&](vextal::Library& lib) { lib.Line(bitmap, extra, x1, y1, x2, y2, colour); });
}

void VEXTAL_CALL vx_set_image_h(int32_t id, int32_t bitmap, int32_t extra) {
  WithLibrary([&](vextal::Library& lib) { lib.objects().SetImage(id, bitmap, extra); });
}

void VEXTAL_CALL vx_update_image_h(int32_t id) {
  WithLibrary([&](vextal::Library& lib) { lib.objects().UpdateImage(id); });
}

}  // extern "C"

// Every entry point has exactly the type the shared header gives it.
#define VEXTAL_CHECK_TYPE(name, result, params) \
  static_assert(std::is_same_v<decltype(&vx##name), vextal::name##_fn>, #name);
VEXTAL_ENTRY_POINTS(VEXTAL_CHECK_TYPE)
#undef VEXTAL_CHECK_TYPE
