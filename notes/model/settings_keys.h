// Every key of the settings file, one row each: its section, name and
// field, and how its value reads from and writes to the file's text. A key
// missing from the file leaves its field at the initialiser it has in
// SystemSettings or Note. Reading, saving and the tests all go through this
// table, and the keys the code names are found in it while compiling.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
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
  const char* section;  // kSystemSection, or nullptr for every note's "Husen<n>"
  const char* name;
  ValueForm form;
  SavedWith saved;
  // The field the key reads into.
  std::variant<int32_t SystemSettings::*, bool SystemSettings::*, std::string SystemSettings::*, int32_t Note::*,
               bool Note::*, std::string Note::*>
      field;
};

// The System keys first, in the order they are read and written, then the
// keys of a note's section in theirs.
inline constexpr SettingKey kSettingKeys[] = {
    {kSystemSection, "TrayDelay", ValueForm::kNumber, SavedWith::kNever, &SystemSettings::trayDelay},
    {kSystemSection, "Floating", ValueForm::kOnOff, SavedWith::kItself, &SystemSettings::floating},
    {kSystemSection, "HotKeyCreateC", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::hotKeyCreateC},
    {kSystemSection, "HotKeyCreateM", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::hotKeyCreateM},
    {kSystemSection, "HotKeyCreateY", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::hotKeyCreateY},
    {kSystemSection, "HotKeyShow", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::hotKeyShow},
    {kSystemSection, "Width", ValueForm::kNumber, SavedWith::kDialog, &SystemSettings::defaultWidth},
    {kSystemSection, "Height", ValueForm::kNumber, SavedWith::kDialog, &SystemSettings::defaultHeight},
    {kSystemSection, "FontName", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::defaultFontName},
    {kSystemSection, "FontSize", ValueForm::kNumber, SavedWith::kDialog, &SystemSettings::defaultFontSize},
    // A note's initial values are fixed; they do not follow the System values.
    {nullptr, "ID", ValueForm::kId, SavedWith::kSection, &Note::id},
    {nullptr, "Priority", ValueForm::kNumber, SavedWith::kSection, &Note::priority},
    {nullptr, "PosX", ValueForm::kNumber, SavedWith::kSection, &Note::posX},
    {nullptr, "PosY", ValueForm::kNumber, SavedWith::kSection, &Note::posY},
    {nullptr, "Width", ValueForm::kNumber, SavedWith::kSection, &Note::width},
    {nullptr, "Type", ValueForm::kNumber, SavedWith::kSection, &Note::type},
    {nullptr, "FontName", ValueForm::kLine, SavedWith::kSection, &Note::fontName},
    {nullptr, "FontSize", ValueForm::kNumber, SavedWith::kSection, &Note::fontSize},
    {nullptr, "Text", ValueForm::kText, SavedWith::kSection, &Note::text},
    {nullptr, "TextRed", ValueForm::kFlag, SavedWith::kSection, &Note::textRed},
    {nullptr, "TextAster", ValueForm::kFlag, SavedWith::kSection, &Note::mask},
    {nullptr, "TextAsterNum", ValueForm::kAsterNum, SavedWith::kSection, &Note::maskFrom},
};
inline constexpr size_t kSettingKeyCount = std::size(kSettingKeys);

// The row of a key by name among the System keys or among the note keys
// (whose Saved is kSection), or null when there is none. The rows below are
// found while compiling, where following a null pointer is an error: a
// misspelt name does not compile.
constexpr const SettingKey* FindKey(bool noteKey, std::string_view name) {
  for (const SettingKey& key : kSettingKeys) {
    if ((key.saved == SavedWith::kSection) == noteKey && name == key.name) return &key;
  }
  return nullptr;
}
constexpr const SettingKey* FindSystemKey(std::string_view name) { return FindKey(false, name); }
constexpr const SettingKey* FindNoteKey(std::string_view name) { return FindKey(true, name); }

// The rows the code names, each looked up while compiling.
inline constexpr const SettingKey& kTrayDelayKey = *FindSystemKey("TrayDelay");
inline constexpr const SettingKey& kIdKey = *FindNoteKey("ID");
inline constexpr const SettingKey& kPriorityKey = *FindNoteKey("Priority");
inline constexpr const SettingKey& kPosXKey = *FindNoteKey("PosX");
inline constexpr const SettingKey& kPosYKey = *FindNoteKey("PosY");
inline constexpr const SettingKey& kTextAsterNumKey = *FindNoteKey("TextAsterNum");

// A value read from the file into its field, and its field as written. The
// record is SystemSettings for a System key and Note for a note key.
template <class Record>
void ReadValue(const SettingKey& key, std::string_view text, Record* record);
template <class Record>
std::string FormatValue(const SettingKey& key, const Record& record);
// Copies the key's field from one record to another.
template <class Record>
void CopyValue(const SettingKey& key, const Record& from, Record* to);

}  // namespace zettrella
