// Card colours.
#include "notes/card/note_colours.h"

namespace zettrella {

NoteColours ColoursFor(int32_t type, int32_t textRed) {
  static constexpr int32_t kBackgrounds[] = {0x7FFFFF, 0xFF7FFF, 0xFFFF7F};
  NoteColours colours{};
  if (type >= 0 && type <= 2) {
    colours.Background = kBackgrounds[type];
    colours.Text = colours.Background - 0x7F7F7F;
  } else {
    colours.Background = 0x000000;
    colours.Text = 0xFFFFFF;
  }
  if (textRed) colours.Text = 0xFF0000;
  // The top row stands out from the text: black unless the text is black.
  colours.Line = 0x000000;
  if (colours.Text == 0x000000) colours.Line = colours.Background == 0x000001 ? 0x000002 : 0x000001;
  return colours;
}

}  // namespace zettrella
