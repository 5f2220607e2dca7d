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
  const DisplayScale& scale = request.Scale;
  const int32_t width = scale.ToScreen(request.Width);
  const int32_t left = scale.ToScreen(kTextLeft);
  const int32_t right = SaturatedAdd(width, -static_cast<int64_t>(scale.ToScreen(kTextRightMargin)));
  CardShape shape{{left, scale.ToScreen(kTextTop), right, 0}};
  layer.LockDraw();
  const int32_t font = layer.MakeFont(request.FontName, request.FontSize);
  const std::string wrapped = layer.WordWrap(request.Text, font, SaturatedAdd(right, -static_cast<int64_t>(left)));

  vextal::Rect& textRect = shape.TextRect;
  layer.PaintText(0, wrapped, font, request.Colours.Text, &textRect, vextal::kMeasureOnly);
  const int32_t height =
      std::max(SaturatedAdd(textRect.bottom, scale.ToScreen(kTextBottomMargin)), scale.ToScreen(request.MinHeight));
  // The text keeps the card's own width and is clipped with the card.
  const CardSize card = CardBitmapSize(width, height);
  shape.Height = card.Height;

  if (*id >= 0) layer.Delete(*id);
  *id = layer.Create(scale.ToScreen(request.PosX), scale.ToScreen(request.PosY), request.Priority);
  if (image->NoteBitmap != 0) layer.DeleteBitmap(image->NoteBitmap);
  image->NoteBitmap = layer.CreateBitmap(card.Width, card.Height, &image->NoteBitmapExtra);
  layer.SetImage(*id, image->NoteBitmap, image->NoteBitmapExtra);
  // The top row is one line at 96 DPI and as many rows as it scales to.
  const int32_t top = std::min(scale.ToScreen(1), card.Height);
  layer.FillRect(image->NoteBitmap, image->NoteBitmapExtra, 0, top, card.Width, card.Height - top,
                 request.Colours.Background);
  if (top == 1) {
    layer.DrawLine(image->NoteBitmap, image->NoteBitmapExtra, 0, 0, card.Width - 1, 0, request.Colours.Line);
  } else {
    layer.FillRect(image->NoteBitmap, image->NoteBitmapExtra, 0, 0, card.Width, top, request.Colours.Line);
  }
  layer.PaintText(image->NoteBitmap, wrapped, font, request.Colours.Text, &textRect, 0);
  layer.DeleteFont(font);
  layer.UpdateImage(*id);
  layer.UnlockDraw();
  return shape;
}

}  // namespace zettrella
