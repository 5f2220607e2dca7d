// The note program's way of driving vextal.dll, for tools and tests.
#include "bench/vextal/note_driver.h"

#include <cstring>

namespace vextal::driver {
namespace {

constexpr int32_t kMinimumHeight = 30;

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir = path;
  const size_t slash = dir.find_last_of("\\/");
  return slash == std::string::npos ? "." : dir.substr(0, slash);
}

}  // namespace

bool Client::Open() {
  module = LoadLibraryA((OwnFolder() + "\\vextal.dll").c_str());
  if (!module) return false;
  bool all = true;
#define VEXTAL_LOOKUP(name, result, params)                                        \
  name = reinterpret_cast<name##_fn>(reinterpret_cast<void*>(GetProcAddress(module, #name))); \
  all = all && name != nullptr;
  VEXTAL_ENTRY_POINTS(VEXTAL_LOOKUP)
#undef VEXTAL_LOOKUP
  return all;
}

void Client::Close() {
  if (module) FreeLibrary(module);
  module = nullptr;
}

char* Block(std::string_view bytes) {
  if (bytes.empty()) return nullptr;
  auto* p = static_cast<char*>(GlobalAlloc(GMEM_FIXED, bytes.size()));
  if (p) std::memcpy(p, bytes.data(), bytes.size());
  return p;
}

std::string WordWrap(const Client& vx, std::string_view text, int32_t font, int32_t width) {
  int32_t len = 0;
  char* out = vx._word_wrap(Block(text), static_cast<int32_t>(text.size()), font, width, &len);
  std::string result;
  if (len > 0) {
    result.assign(out, static_cast<size_t>(len));
    GlobalFree(out);
  }
  return result;
}

Card BuildCard(const Client& vx, int32_t x, int32_t y, int32_t width, int32_t priority,
               std::string_view text, int32_t background, int32_t textColour,
               std::string_view face, int32_t points) {
  Card card;
  vx._lock_draw();
  const int32_t font = vx._create_font(Block(face), static_cast<int32_t>(face.size()), points);
  const std::string wrapped = WordWrap(vx, text, font, width - 10);
  const auto wrappedLen = static_cast<int32_t>(wrapped.size());
  card.textRect = {5, 6, width - 5, 0};
  vx._draw_text(0, Block(wrapped), wrappedLen, font, textColour, &card.textRect, kMeasureOnly);
  card.height = card.textRect.bottom + 5;
  if (card.height < kMinimumHeight) card.height = kMinimumHeight;
  card.id = vx._create(x, y, 0, 0, priority);
  card.bitmap = vx._create_bitmap(width, card.height, &card.extra);
  vx._set_image_h(card.id, card.bitmap, card.extra);
  vx._fill_rect(card.bitmap, card.extra, 0, 1, width, card.height - 1, background);
  vx._draw_line(card.bitmap, card.extra, 0, 0, width - 1, 0, 0x000000);
  vx._draw_text(card.bitmap, Block(wrapped), wrappedLen, font, textColour, &card.textRect, 0);
  vx._delete_font(font);
  vx._update_image_h(card.id);
  vx._unlock_draw();
  return card;
}

}  // namespace vextal::driver
