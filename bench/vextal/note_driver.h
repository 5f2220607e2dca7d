// Drives vextal.dll the way the note program does: loads it by name with
// LoadLibrary and GetProcAddress, hands strings over in GlobalAlloc blocks,
// and builds a note card with the program's sequence of calls. Shared by
// the benchmark, the render demo and the Wine tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "vextal/vextal_api.h"

namespace vextal::driver {

struct Client {
#define VEXTAL_POINTER(name, result, params) name##_fn name = nullptr;
  VEXTAL_ENTRY_POINTS(VEXTAL_POINTER)
#undef VEXTAL_POINTER

  HMODULE module = nullptr;

  // Loads vextal.dll from the folder of the running program and resolves
  // every entry point; false if the DLL or any entry point is missing.
  bool Open();
  void Close();
};

// A new GlobalAlloc(GMEM_FIXED) block of the bytes (null for an empty
// string), as the program hands strings to the library.
char* Block(std::string_view bytes);

// The wrapped text as a string; frees the returned block.
std::string WordWrap(const Client& vx, std::string_view text, int32_t font, int32_t width);

// A note card: the object, its bitmap and the measured text rectangle.
struct Card {
  int32_t id = -1;
  int32_t bitmap = 0;
  int32_t extra = 0;
  int32_t height = 0;
  Rect textRect{};
};

// Builds a card as the program builds a note: under the drawing lock, font,
// wrap, measure, object, bitmap, image, background, a 1-pixel black top
// row, text, then the font goes and the image is shown. The card is at
// least 30 pixels high.
Card BuildCard(const Client& vx, int32_t x, int32_t y, int32_t width, int32_t priority,
               std::string_view text, int32_t background, int32_t textColour,
               std::string_view face = "ＭＳ Ｐゴシック", int32_t points = 12);

}  // namespace vextal::driver
