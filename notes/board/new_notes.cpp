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
  note.InUse = true;
  note.PosX = CentredStart(desktopRight, settings.DefaultWidth);
  note.PosY = CentredStart(desktopBottom, settings.DefaultHeight);
  note.Width = settings.DefaultWidth;
  note.Type = type;
  note.FontName = settings.DefaultFontName;
  note.FontSize = settings.DefaultFontSize;
  return note;
}

Note MakeDuplicate(const Note& source) {
  Note copy;
  static_cast<NoteContent&>(copy) = source;
  copy.InUse = true;
  copy.PosX = SaturatedAdd(source.PosX, kDuplicateOffset);
  copy.PosY = SaturatedAdd(source.PosY, kDuplicateOffset);
  return copy;
}

}  // namespace zettrella
