// Where the note program's dialogs open: at a note, or centred on the desktop.
#pragma once

#include <windows.h>

#include "common/geometry.h"
#include "notes/model/note_table.h"

namespace zettrella {

// Moves dialog to the note's position, kept inside the desktop's right and
// bottom edges, and to the top of the z-order.
void PlaceAtNote(HWND dialog, const Note& note, const ScreenRect& desktopRect);

// Moves dialog to the centre of the desktop window, kept inside the work
// area of the nearest monitor; size, z-order and activation stay.
void CenterOnDesktop(HWND dialog);

}  // namespace zettrella
