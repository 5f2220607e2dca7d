// Contents of new and duplicated notes.
#include "notes/board/new_notes.h"

#include "common/saturate.h"

namespace zettrella {

namespace {

int32_t CentredStart(int32_t edge, int32_t size) {
  return Saturate((static_cast<int64_t>(edge) - static_cast<int64_t>(size)) / 2);
}

}  // namespace

Note MakeNewNote(int32_t type, const SystemSettings& settings, int32_t desktopRight, int32_t desktopBottom) {
  Note note;
  note.inUse = true;
  note.posX = CentredStart(desktopRight, settings.defaultWidth);
  note.posY = CentredStart(desktopBottom, settings.defaultHeight);
  note.width = settings.defaultWidth;
  note.type = type;
  note.fontName = settings.defaultFontName;
  note.fontSize = settings.defaultFontSize;
  return note;
}

Note MakeDuplicate(const Note& source) {
  Note copy;
  static_cast<NoteContent&>(copy) = source;
  copy.inUse = true;
  copy.posX = SaturatedAdd(source.posX, kDuplicateOffset);
  copy.posY = SaturatedAdd(source.posY, kDuplicateOffset);
  return copy;
}

}  // namespace zettrella
