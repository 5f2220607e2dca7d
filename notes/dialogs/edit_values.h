// Conversions between the values of a note or the settings and the
// controls of the dialogs that edit them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "notes/model/settings_values.h"

namespace zettrella {

// The least values the dialogs accept; anything below is raised to them.
inline constexpr int32_t kMinNoteWidth = 100;
inline constexpr int32_t kMinNoteHeight = 10;
inline constexpr int32_t kMinMaskFrom = 1;

// A note's text as the edit box shows it: a text longer than two bytes gets
// a line break after it, unless it already ends in one, so that the box
// opens with an empty last line.
std::string TextForEditBox(std::string_view text);

// The edited text as the note keeps it: at most kMaxStoredTextBytes bytes,
// cut before a two-byte character that would not fit whole, and without
// line breaks at its end.
std::string TextFromEditBox(std::string_view edited);

inline int32_t AtLeast(int32_t value, int32_t least) { return value < least ? least : value; }

}  // namespace zettrella
