// Conversions between the settings file's text and the note table's values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zettrella {

// The longest note text that is kept and stored; longer texts are cut in the
// edit dialog and before saving.
inline constexpr size_t kMaxStoredTextBytes = 1024;

// "On" in any mix of capitals is 1; anything else 0.
int32_t ParseOnOff(std::string_view value);

// A flag stored as a number: exactly 1 reads as 1, anything else as 0.
int32_t ParseFlag(std::string_view value);

// The masking start, at least 1.
int32_t ParseAsterNum(std::string_view value);

// A stored text: each backslash followed by "n" becomes CR LF. Two-byte
// characters are stepped over whole, so a character whose second byte is
// the backslash byte stays intact.
std::string TextFromStored(std::string_view stored);

// Every line break — CR LF, a lone CR or a lone LF (pasted from another
// program, or set by one) — as CR LF.
std::string NormaliseLineBreaks(std::string_view text);

// The text to store: its line breaks normalised, at most kMaxStoredTextBytes
// bytes, never ending inside a two-byte character or between CR and LF, with
// each CR LF written as backslash and "n". The result never holds a raw CR or
// LF, which would end the value in the file and start new lines of it.
std::string TextToStored(std::string_view text);

// A value as it goes into the profile file, so that the profile functions
// give it back byte for byte: they drop the blanks (tab to CR, 0x1A and the
// space) at either end of a value and one pair of matching quotes around it,
// but keep whatever lies inside one pair. A value that would change is
// therefore put in double quotes; any other stays as it is.
std::string ProfileValue(std::string value);

// A one-line value (a font or hot-key name): cut at its first CR or LF, so
// that it can never spill into lines of its own in the file.
std::string SingleLine(std::string_view value);

// A text as read from the file, limited to what the program ever stores
// (values a hand-edited file holds beyond that are cut at a character
// boundary).
std::string LimitStoredText(std::string_view value);

}  // namespace zettrella
