// The font size picker: the installed sizes of a raster face or a fixed
// list for a scalable face, shown in points and handed to its dialog in
// twips (1/20 point).
#pragma once

#include <windows.h>

#include <cstdint>

#include "notes/dialogs/font_combo_base.h"

namespace zettrella {

class FontSizeCombo : public FontComboBase {
 public:
  // Rebuilds the list for face on dc; an empty face leaves it empty.
  void FillSizes(HDC dc, const char* face);
  // Shows twips (selecting its item when listed) and remembers it.
  void SetSizeTwips(int32_t twips);
  // The size the user sees or typed; the size last set when that is no
  // plain non-negative number.
  int32_t GetSizeTwips() const;
  // Adds one size in ascending order, unless it is listed already.
  void InsertSize(int32_t twips);

 private:
  static int CALLBACK EnumSizeProc(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType, LPARAM param);

  int logPixelsY_ = 0;
  int32_t lastTwips_ = 0;
};

}  // namespace zettrella
