// The build steps of a note's card.
#include "notes/card/card_build.h"

#include <algorithm>
#include <string>

#include "common/saturate.h"
#include "notes/card/card_size.h"

namespace zettrella {

namespace {
// The text's margins on the card.
constexpr int32_t kTextLeft = 5;
constexpr int32_t kTextTop = 6;
constexpr int32_t kTextRightMargin = 5;
constexpr int32_t kTextBottomMargin = 5;
}  // namespace

CardShape BuildCard(NoteLayer& layer, const CardRequest& request, int32_t* id, NoteImage* image) {
  const DisplayScale& scale = request.scale;
  const int32_t width = scale.ToScreen(request.width);
  const int32_t left = scale.ToScreen(kTextLeft);
  const int32_t right = SaturatedAdd(width, -static_cast<int64_t>(scale.ToScreen(kTextRightMargin)));
  CardShape shape{{left, scale.ToScreen(kTextTop), right, 0}};
  layer.LockDraw();
  const int32_t font = layer.MakeFont(request.fontName, request.fontSize);
  const std::string wrapped = layer.WordWrap(request.text, font, SaturatedAdd(right, -static_cast<int64_t>(left)));

  vextal::Rect& textRect = shape.textRect;
  layer.PaintText(0, wrapped, font, request.colours.text, &textRect, vextal::kMeasureOnly);
  const int32_t height =
      std::max(SaturatedAdd(textRect.bottom, scale.ToScreen(kTextBottomMargin)), scale.ToScreen(request.minHeight));
  // The text keeps the card's own width and is clipped with the card.
  const CardSize card = CardBitmapSize(width, height);
  shape.height = card.height;

  if (*id >= 0) layer.Delete(*id);
  *id = layer.Create(scale.ToScreen(request.posX), scale.ToScreen(request.posY), request.priority);
  if (image->noteBitmap != 0) layer.DeleteBitmap(image->noteBitmap);
  image->noteBitmap = layer.CreateBitmap(card.width, card.height, &image->noteBitmapCompanion);
  layer.SetImage(*id, image->noteBitmap, image->noteBitmapCompanion);
  // The top row is one line at 96 DPI and as many rows as it scales to.
  const int32_t top = std::min(scale.ToScreen(1), card.height);
  layer.FillRect(image->noteBitmap, image->noteBitmapCompanion, 0, top, card.width, card.height - top,
                 request.colours.background);
  if (top == 1) {
    layer.DrawLine(image->noteBitmap, image->noteBitmapCompanion, 0, 0, card.width - 1, 0, request.colours.line);
  } else {
    layer.FillRect(image->noteBitmap, image->noteBitmapCompanion, 0, 0, card.width, top, request.colours.line);
  }
  layer.PaintText(image->noteBitmap, wrapped, font, request.colours.text, &textRect, 0);
  layer.DeleteFont(font);
  layer.UpdateImage(*id);
  layer.UnlockDraw();
  return shape;
}

}  // namespace zettrella
