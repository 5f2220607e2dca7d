// Sample cards through the note program's card build.
#include "bench/vextal/sample_card.h"

#include <windows.h>

#include <string>

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

std::unique_ptr<zettrella::VextalBinding> OpenLayer() {
  auto layer = std::make_unique<zettrella::VextalBinding>(OwnFolder(), "vextal.dll");
  if (!layer->complete()) return nullptr;
  return layer;
}

Card BuildCard(zettrella::NoteLayer& layer, int32_t x, int32_t y, int32_t width, int32_t priority,
               std::string_view text, int32_t background, int32_t textColour, std::string_view face, int32_t points,
               const Card& old) {
  zettrella::CardRequest request;
  request.posX = x;
  request.posY = y;
  request.width = width;
  request.priority = priority;
  request.text = text;
  request.fontName = face;
  request.fontSize = points;
  request.colours = {background, textColour, 0x000000};
  request.minHeight = kMinimumHeight;
  Card card = old;
  zettrella::NoteImage image{old.bitmap, old.extra};
  const zettrella::CardShape shape = zettrella::BuildCard(layer, request, &card.id, &image);
  card.bitmap = image.noteBitmap;
  card.extra = image.noteBitmapCompanion;
  card.height = shape.height;
  card.textRect = shape.textRect;
  return card;
}

}  // namespace vextal::driver
