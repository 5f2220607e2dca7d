// The contents of new notes: a fresh note of one colour, and the copy that
// the duplicate command makes. The caller picks the slot and the priority.
#pragma once

#include <cstdint>

#include "notes/model/note_table.h"

namespace zettrella {

// How far a duplicate lies from its source, right and down, in pixels.
inline constexpr int32_t kDuplicateOffset = 15;

// A note of colour type with the default size and font and an empty text,
// placed so that a note of the default size stands in the middle of a
// desktop whose right and bottom edges are given. Halves are rounded
// toward zero; no value from the settings file can overflow the sum.
Note MakeNewNote(int32_t type, const SystemSettings& settings, int32_t desktopRight, int32_t desktopBottom);

// A copy of source with its own (not yet made) layer object, moved by
// kDuplicateOffset both ways; the position stops at the largest value
// instead of wrapping.
Note MakeDuplicate(const Note& source);

}  // namespace zettrella
