// Building a note's card in the layer library.
#include <algorithm>

#include "common/saturate.h"
#include "notes/app/note_board_dialog.h"
#include "notes/layer/card_size.h"
#include "notes/layer/display_text.h"
#include "notes/layer/note_colours.h"

namespace zettrella {

namespace {
// The text's margins on the card.
constexpr int32_t kTextLeft = 5;
constexpr int32_t kTextTop = 6;
constexpr int32_t kTextRightMargin = 5;
constexpr int32_t kTextBottomMargin = 5;
}  // namespace

void NoteBoardDialog::BuildNote(int slot, int32_t priority) {
  DrawNote(slot, priority);
  settingsFile_.SaveNote(slot, notes_[slot]);
}

void NoteBoardDialog::DrawNote(int slot, int32_t priority) {
  Note& note = notes_[slot];
  NoteImage& image = images_[static_cast<size_t>(slot)];
  if (!binding_) {
    // The layer is already released: keep the note, without an object.
    note.ID = kNoObject;
    return;
  }
  VextalBinding& layer = *binding_;

  layer.LockDraw();
  const int32_t font = layer.CreateFont(note.FontName, note.FontSize);
  const std::string display = MakeDisplayText(note.Text, note.TextAster != 0, note.TextAsterNum);
  const std::string wrapped = layer.WordWrap(display, font, SaturatedAdd(note.Width, -kTextLeft - kTextRightMargin));
  const NoteColours colours = ColoursFor(note.Type, note.TextRed);

  vextal::Rect textRect{kTextLeft, kTextTop, SaturatedAdd(note.Width, -kTextRightMargin), 0};
  layer.DrawText(0, wrapped, font, colours.Text, &textRect, vextal::kMeasureOnly);
  const int32_t height = std::max(SaturatedAdd(textRect.bottom, kTextBottomMargin), settings_.DefaultHeight);
  // The text keeps the note's own width and is clipped with the card.
  const CardSize card = CardBitmapSize(note.Width, height);

  if (note.ID >= 0) layer.Delete(note.ID);
  note.ID = layer.Create(note.PosX, note.PosY, priority);
  if (image.NoteBitmap != 0) layer.DeleteBitmap(image.NoteBitmap);
  image.NoteBitmap = layer.CreateBitmap(card.Width, card.Height, &image.NoteBitmapExtra);
  layer.SetImage(note.ID, image.NoteBitmap, image.NoteBitmapExtra);
  layer.FillRect(image.NoteBitmap, image.NoteBitmapExtra, 0, 1, card.Width, card.Height - 1, colours.Background);
  layer.DrawLine(image.NoteBitmap, image.NoteBitmapExtra, 0, 0, card.Width - 1, 0, colours.Line);
  layer.DrawText(image.NoteBitmap, wrapped, font, colours.Text, &textRect, 0);
  layer.DeleteFont(font);
  layer.UpdateImage(note.ID);
  layer.UnlockDraw();
}

}  // namespace zettrella
