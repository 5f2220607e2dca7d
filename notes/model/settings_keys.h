// Every key of the settings file, one row each: its section, name and
// default, and how its value reads from and writes to the file's text.
// Reading, saving and the tests all go through this table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "notes/model/note_table.h"

namespace zettrella {

inline constexpr char kSystemSection[] = "System";

// How a value reads from and is written as text.
enum class ValueForm {
  kNumber,    // a decimal number
  kOnOff,     // "On" (any capitals) or "Off"
  kFlag,      // exactly 1, anything else 0
  kAsterNum,  // a number of at least 1
  kId,        // a number; a note without a layer object is written as 0
  kLine,      // one line of text, cut at its first line break when written
  kText,      // a note text, its line breaks stored as backslash and "n"
};

// When a System key is written.
enum class SavedWith {
  kNever,    // read only (TrayDelay)
  kItself,   // written on its own (Floating)
  kDialog,   // written with the values of the settings dialog
  kSection,  // a note key: written with the note's section
};

struct SettingKey {
  const char* Section;  // kSystemSection, or nullptr for every note's "Husen<n>"
  const char* Name;
  const char* Default;
  ValueForm Form;
  SavedWith Saved;
  // The field the key reads into.
  std::variant<int32_t SystemSettings::*, std::string SystemSettings::*, int32_t Note::*, std::string Note::*> Field;
};

// The System keys first, in the order they are read and written, then the
// keys of a note's section in theirs.
inline constexpr size_t kSettingKeyCount = 22;
extern const SettingKey kSettingKeys[kSettingKeyCount];

// The row of a key by section kind and name; every name asked for exists.
const SettingKey& SystemKey(std::string_view name);
const SettingKey& NoteKey(std::string_view name);

// A value read from the file into its field, and its field as written. The
// record is SystemSettings for a System key and Note for a note key.
template <class Record>
void ReadValue(const SettingKey& key, std::string_view text, Record* record);
template <class Record>
std::string FormatValue(const SettingKey& key, const Record& record);
// Copies the key's field from one record to another.
void CopyValue(const SettingKey& key, const SystemSettings& from, SystemSettings* to);

}  // namespace zettrella
