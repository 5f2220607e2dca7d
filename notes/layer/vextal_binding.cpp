// Loading vextal.dll and calling its entry points.
#include "notes/layer/vextal_binding.h"

#include <cstring>

namespace zettrella {

namespace {

// A string for the library: a new GMEM_FIXED block of its bytes without a
// terminator, which the library owns from then on; null for the empty text.
char* NewBlock(std::string_view text) {
  if (text.empty()) return nullptr;
  auto* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, text.size()));
  if (block) memcpy(block, text.data(), text.size());
  return block;
}

int32_t BlockLength(const char* block, std::string_view text) { return block ? static_cast<int32_t>(text.size()) : 0; }

// Window handles are 32-bit significant on 64-bit Windows too.
int32_t HandleValue(HWND window) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(window)); }

}  // namespace

VextalBinding::VextalBinding(const std::string& moduleDir, const char* libraryName) {
  char previous[MAX_PATH] = {};
  const DWORD saved = GetCurrentDirectoryA(MAX_PATH, previous);
  if (!moduleDir.empty()) SetCurrentDirectoryA(moduleDir.c_str());
  // The full path, so that only the library beside the program is taken.
  const std::string path = moduleDir.empty() ? std::string(libraryName) : moduleDir + "\\" + libraryName;
  module_.reset(LoadLibraryA(path.c_str()));
  if (saved > 0 && saved < MAX_PATH) SetCurrentDirectoryA(previous);
  if (!module_) return;

#define VEXTAL_RESOLVE(name, result, params) \
  name##_ = reinterpret_cast<vextal::name##_fn>(reinterpret_cast<void*>(GetProcAddress(module_.get(), #name)));
  VEXTAL_ENTRY_POINTS(VEXTAL_RESOLVE)
#undef VEXTAL_RESOLVE

  if (_load_) {
    char* block = NewBlock(moduleDir);
    _load_(block, BlockLength(block, moduleDir));
  }
}

VextalBinding::~VextalBinding() {
  Unload();
  // The module is freed by its owner after this.
}

void VextalBinding::Unload() {
  if (_unload_) _unload_();
#define VEXTAL_FORGET(name, result, params) name##_ = nullptr;
  VEXTAL_ENTRY_POINTS(VEXTAL_FORGET)
#undef VEXTAL_FORGET
}

void VextalBinding::Floating(int32_t on) {
  if (_floating_) _floating_(on);
}

void VextalBinding::Attach(HWND window) {
  if (_attach_) _attach_(HandleValue(window));
}

int32_t VextalBinding::Create(int32_t x, int32_t y, int32_t priority) {
  return _create_ ? _create_(x, y, 0, 0, priority) : vextal::kNoId;
}

void VextalBinding::Delete(int32_t id) {
  if (_delete_) _delete_(id);
}

void VextalBinding::Move(int32_t id, int32_t dx, int32_t dy) {
  if (_move_) _move_(id, dx, dy);
}

int32_t VextalBinding::GetPosX(int32_t id) { return _get_pos_x_ ? _get_pos_x_(id) : 0; }

int32_t VextalBinding::GetPosY(int32_t id) { return _get_pos_y_ ? _get_pos_y_(id) : 0; }

void VextalBinding::SetPriority(int32_t id, int32_t priority) {
  if (_set_priority_) _set_priority_(id, priority);
}

void VextalBinding::Redraw() {
  if (_redraw_) _redraw_();
}

void VextalBinding::UpdateDesktopSize() {
  if (_update_desktopsize_) _update_desktopsize_();
}

void VextalBinding::LockDraw() {
  if (_lock_draw_) _lock_draw_();
}

void VextalBinding::UnlockDraw() {
  if (_unlock_draw_) _unlock_draw_();
}

int32_t VextalBinding::CreateFont(std::string_view name, int32_t size) {
  if (!_create_font_) return 0;
  char* block = NewBlock(name);
  return _create_font_(block, BlockLength(block, name), size);
}

void VextalBinding::DeleteFont(int32_t font) {
  if (_delete_font_) _delete_font_(font);
}

std::string VextalBinding::WordWrap(std::string_view text, int32_t font, int32_t width) {
  if (!_word_wrap_) return {};
  char* block = NewBlock(text);
  int32_t outLength = 0;
  char* wrapped = _word_wrap_(block, BlockLength(block, text), font, width, &outLength);
  if (!wrapped || outLength <= 0) return {};
  std::string result(wrapped, static_cast<size_t>(outLength));
  GlobalFree(wrapped);
  return result;
}

void VextalBinding::DrawText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, vextal::Rect* rect,
                             int32_t flags) {
  if (!_draw_text_) return;
  char* block = NewBlock(text);
  _draw_text_(bitmap, block, BlockLength(block, text), font, colour, rect, flags);
}

int32_t VextalBinding::CreateBitmap(int32_t width, int32_t height, int32_t* extra) {
  return _create_bitmap_ ? _create_bitmap_(width, height, extra) : 0;
}

void VextalBinding::DeleteBitmap(int32_t bitmap) {
  if (_delete_bitmap_) _delete_bitmap_(bitmap);
}

void VextalBinding::FillRect(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height,
                             int32_t colour) {
  if (_fill_rect_) _fill_rect_(bitmap, extra, x, y, width, height, colour);
}

void VextalBinding::DrawLine(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                             int32_t colour) {
  if (_draw_line_) _draw_line_(bitmap, extra, x1, y1, x2, y2, colour);
}

void VextalBinding::SetImage(int32_t id, int32_t bitmap, int32_t extra) {
  if (_set_image_h_) _set_image_h_(id, bitmap, extra);
}

void VextalBinding::UpdateImage(int32_t id) {
  if (_update_image_h_) _update_image_h_(id);
}

}  // namespace zettrella
