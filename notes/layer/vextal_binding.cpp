// Loading vextal.dll and calling its entry points.
#include "notes/layer/vextal_binding.h"

#include <cstring>

namespace zettrella {

char* NewBlock(std::string_view text) {
  if (text.empty()) return nullptr;
  auto* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED, text.size()));
  if (block) memcpy(block, text.data(), text.size());
  return block;
}

namespace {

int32_t BlockLength(const char* block, std::string_view text) { return block ? static_cast<int32_t>(text.size()) : 0; }

}  // namespace

bool VextalEntryPoints::Resolve(HMODULE module) {
  bool all = true;
#define VEXTAL_RESOLVE(name, result, params)                                                          \
  name = reinterpret_cast<vextal::name##_fn>(reinterpret_cast<void*>(GetProcAddress(module, #name))); \
  all = all && name != nullptr;
  VEXTAL_ENTRY_POINTS(VEXTAL_RESOLVE)
#undef VEXTAL_RESOLVE
  return all;
}

VextalBinding::VextalBinding(const std::string& moduleDir, const char* libraryName) {
  char previous[MAX_PATH] = {};
  const DWORD saved = GetCurrentDirectoryA(MAX_PATH, previous);
  if (!moduleDir.empty()) SetCurrentDirectoryA(moduleDir.c_str());
  // The full path, so that only the library beside the program is taken.
  const std::string path = moduleDir.empty() ? std::string(libraryName) : moduleDir + "\\" + libraryName;
  module_.reset(LoadLibraryA(path.c_str()));
  if (saved > 0 && saved < MAX_PATH) SetCurrentDirectoryA(previous);
  if (!module_) return;

  complete_ = entries_.Resolve(module_.get());
  if (entries_._load) {
    char* block = NewBlock(moduleDir);
    entries_._load(block, BlockLength(block, moduleDir));
  }
}

VextalBinding::~VextalBinding() { Unload(); }

void VextalCalls::Unload() {
  CallIfThere(entries_._unload);
  entries_ = VextalEntryPoints{};
}

int32_t VextalCalls::Create(int32_t x, int32_t y, int32_t priority) {
  return entries_._create ? entries_._create(x, y, 0, 0, priority) : vextal::kNoId;
}

int32_t VextalCalls::MakeFont(std::string_view name, int32_t size) {
  if (!entries_._create_font) return 0;
  char* block = NewBlock(name);
  return entries_._create_font(block, BlockLength(block, name), size);
}

std::string VextalCalls::WordWrap(std::string_view text, int32_t font, int32_t width) {
  if (!entries_._word_wrap) return {};
  char* block = NewBlock(text);
  int32_t outLength = 0;
  char* wrapped = entries_._word_wrap(block, BlockLength(block, text), font, width, &outLength);
  if (!wrapped) return {};
  // The block is ours to free even when it holds nothing.
  std::string result(wrapped, outLength > 0 ? static_cast<size_t>(outLength) : 0);
  GlobalFree(wrapped);
  return result;
}

void VextalCalls::PaintText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, vextal::Rect* rect,
                            int32_t flags) {
  if (!entries_._draw_text) return;
  char* block = NewBlock(text);
  entries_._draw_text(bitmap, block, BlockLength(block, text), font, colour, rect, flags);
}

int32_t VextalCalls::CreateBitmap(int32_t width, int32_t height, int32_t* extra) {
  return entries_._create_bitmap ? entries_._create_bitmap(width, height, extra) : 0;
}

void VextalCalls::FillRect(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height,
                           int32_t colour) {
  CallIfThere(entries_._fill_rect, bitmap, extra, x, y, width, height, colour);
}

void VextalCalls::DrawLine(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                           int32_t colour) {
  CallIfThere(entries_._draw_line, bitmap, extra, x1, y1, x2, y2, colour);
}

}  // namespace zettrella
