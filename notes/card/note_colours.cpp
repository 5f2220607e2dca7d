// Card colours.
#include "notes/card/note_colours.h"

namespace zettrella {

NoteColours ColoursFor(int32_t type, bool textRed) {
  static constexpr int32_t kBackgrounds[] = {0x7FFFFF, 0xFF7FFF, 0xFFFF7F};
  NoteColours colours{0x000000, 0xFFFFFF, 0x000000};
  if (type >= 0 && type <= 2) colours = {kBackgrounds[type], kBackgrounds[type] - 0x7F7F7F, 0x000000};
  if (textRed) colours.text = 0xFF0000;
  // The top row stands out from the text: black unless the text is black.
  if (colours.text == 0x000000) colours.line = colours.background == 0x000001 ? 0x000002 : 0x000001;
  return colours;
}

}  // namespace zettrella
