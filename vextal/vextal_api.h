// The entry points of the layer library vextal.dll, shared by the library
// itself and by the note program's binding, so that both agree on every
// type and on the calling convention.
//
// All values are signed 32-bit, the same on 32-bit and 64-bit Windows: ids,
// font and bitmap handles are the library's own numbers (-1 for "no object",
// 0 for "no font" and "no bitmap"), colours are 0x00RRGGBB, and the window to
// report to travels as a 32-bit value (window handles are 32-bit significant
// on 64-bit Windows too). A string goes over as a GlobalAlloc(GMEM_FIXED)
// block holding its bytes without terminator, plus its length; (null, 0) is
// the empty string. The library owns every block handed to it and frees it.
#pragma once

#include <cstdint>

// Native builds (the plain logic and its tests) call no library, and their
// compilers know no __cdecl.
#ifdef _WIN32
#define VEXTAL_CALL __cdecl
#else
#define VEXTAL_CALL
#endif

namespace vextal {

// A rectangle (left, top, right, bottom), in pixels.
struct Rect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// The id of no object.
inline constexpr int32_t kNoId = -1;

// Flag of draw_text: with bitmap 0, only measure and set rect->bottom.
inline constexpr int32_t kMeasureOnly = 1024;

}  // namespace vextal

// The list of entry points: X(name, result type, parameter list).
// It yields the function types, the binding's pointers and its lookup loop.
// Kept out of clang-format: its versions read "int32_t* outExtra" in this
// list differently (clang-format 14 as a product).
// clang-format off
#define VEXTAL_ENTRY_POINTS(X)                                                                                         \
  X(_load, void, (char* dir, int32_t dirLen))                                                                          \
  X(_unload, void, ())                                                                                                 \
  X(_floating, void, (int32_t on))                                                                                     \
  X(_attach, void, (int32_t hwnd))                                                                                     \
  X(_create, int32_t, (int32_t x, int32_t y, int32_t reserved1, int32_t reserved2, int32_t priority))                  \
  X(_delete, void, (int32_t id))                                                                                       \
  X(_move, void, (int32_t id, int32_t dx, int32_t dy))                                                                 \
  X(_get_pos_x, int32_t, (int32_t id))                                                                                 \
  X(_get_pos_y, int32_t, (int32_t id))                                                                                 \
  X(_set_priority, void, (int32_t id, int32_t priority))                                                               \
  X(_redraw, void, ())                                                                                                 \
  X(_update_desktopsize, void, ())                                                                                     \
  X(_lock_draw, void, ())                                                                                              \
  X(_unlock_draw, void, ())                                                                                            \
  X(_create_font, int32_t, (char* name, int32_t nameLen, int32_t size))                                                \
  X(_delete_font, void, (int32_t font))                                                                                \
  X(_word_wrap, char*, (char* text, int32_t textLen, int32_t font, int32_t width, int32_t* outLen))                    \
  X(_draw_text, void,                                                                                                  \
    (int32_t bitmap, char* text, int32_t textLen, int32_t font, int32_t colour, vextal::Rect* rect, int32_t flags))    \
  X(_create_bitmap, int32_t, (int32_t width, int32_t height, int32_t* outExtra))                                       \
  X(_delete_bitmap, void, (int32_t bitmap))                                                                            \
  X(_fill_rect, void,                                                                                                  \
    (int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height, int32_t colour))              \
  X(_draw_line, void, (int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour)) \
  X(_set_image_h, void, (int32_t id, int32_t bitmap, int32_t extra))                                                   \
  X(_update_image_h, void, (int32_t id))
// clang-format on

namespace vextal {
#define VEXTAL_DECLARE_TYPE(name, result, params) using name##_fn = result(VEXTAL_CALL*) params;
VEXTAL_ENTRY_POINTS(VEXTAL_DECLARE_TYPE)
#undef VEXTAL_DECLARE_TYPE
}  // namespace vextal
