// Sample cards for the benchmarks, the render demo and the Wine tests,
// built with the note program's own binding and card build.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "notes/card/card_build.h"
#include "notes/layer/vextal_binding.h"

namespace vextal::driver {

// The layer library beside the running program, loaded; null when it is
// missing or lacks an entry point.
std::unique_ptr<zettrella::VextalBinding> OpenLayer();

// A card: its object, its bitmap and the measured text rectangle.
struct Card {
  int32_t id = -1;
  int32_t bitmap = 0;
  int32_t extra = 0;
  int32_t height = 0;
  Rect textRect{};
};

// Builds a card (in place of old when it has an object) as the program
// builds a note, with a black top row, at least 30 pixels high.
Card BuildCard(zettrella::NoteLayer& layer, int32_t x, int32_t y, int32_t width, int32_t priority,
               std::string_view text, int32_t background, int32_t textColour, std::string_view face = "ＭＳ Ｐゴシック",
               int32_t points = 12, const Card& old = Card{});

}  // namespace vextal::driver
