// The two pop-up menus of the main window: the tray menu and the note menu,
// with their items, separators and check marks, in code page 932.
#pragma once

#include <windows.h>

#include <cstdint>

#include "common/win_handles.h"
#include "notes/input/addresses.h"
#include "notes/model/note_table.h"

namespace zettrella {

// Create notes, "常に手前に表示", settings, about, quit. floating is the
// program's Floating switch (checked when 1).
UniqueMenu BuildTrayMenu(bool floating);

// One item per address (a separator after them when there is any), the
// note commands, "常に手前に表示" and quit. note is
// the note the menu is for, or null when it is no longer in the table: then
// no item carries a check mark.
UniqueMenu BuildNoteMenu(const AddressItems& addresses, const Note* note, bool floating);

}  // namespace zettrella
