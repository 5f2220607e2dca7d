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
  const char* Section;  // kSystemSection, or nullptr for every note's "Husen<n>"
  const char* Name;
  ValueForm Form;
  SavedWith Saved;
  // The field the key reads into.
  std::variant<int32_t SystemSettings::*, std::string SystemSettings::*, int32_t Note::*, std::string Note::*> Field;
};

// The System keys first, in the order they are read and written, then the
// keys of a note's section in theirs.
inline constexpr SettingKey kSettingKeys[] = {
    {kSystemSection, "TrayDelay", ValueForm::kNumber, SavedWith::kNever, &SystemSettings::TrayDelay},
    {kSystemSection, "Floating", ValueForm::kOnOff, SavedWith::kItself, &SystemSettings::Floating},
    {kSystemSection, "HotKeyCreateC", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::HotKeyCreateC},
    {kSystemSection, "HotKeyCreateM", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::HotKeyCreateM},
    {kSystemSection, "HotKeyCreateY", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::HotKeyCreateY},
    {kSystemSection, "HotKeyShow", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::HotKeyShow},
    {kSystemSection, "Width", ValueForm::kNumber, SavedWith::kDialog, &SystemSettings::DefaultWidth},
    {kSystemSection, "Height", ValueForm::kNumber, SavedWith::kDialog, &SystemSettings::DefaultHeight},
    {kSystemSection, "FontName", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::DefaultFontName},
    {kSystemSection, "FontSize", ValueForm::kNumber, SavedWith::kDialog, &SystemSettings::DefaultFontSize},
    // A note's initial values are fixed; they do not follow the System values.
    {nullptr, "ID", ValueForm::kId, SavedWith::kSection, &Note::ID},
    {nullptr, "Priority", ValueForm::kNumber, SavedWith::kSection, &Note::Priority},
    {nullptr, "PosX", ValueForm::kNumber, SavedWith::kSection, &Note::PosX},
    {nullptr, "PosY", ValueForm::kNumber, SavedWith::kSection, &Note::PosY},
    {nullptr, "Width", ValueForm::kNumber, SavedWith::kSection, &Note::Width},
    {nullptr, "Type", ValueForm::kNumber, SavedWith::kSection, &Note::Type},
    {nullptr, "FontName", ValueForm::kLine, SavedWith::kSection, &Note::FontName},
    {nullptr, "FontSize", ValueForm::kNumber, SavedWith::kSection, &Note::FontSize},
    {nullptr, "Text", ValueForm::kText, SavedWith::kSection, &Note::Text},
    {nullptr, "TextRed", ValueForm::kFlag, SavedWith::kSection, &Note::TextRed},
    {nullptr, "TextAster", ValueForm::kFlag, SavedWith::kSection, &Note::TextAster},
    {nullptr, "TextAsterNum", ValueForm::kAsterNum, SavedWith::kSection, &Note::TextAsterNum},
};
inline constexpr size_t kSettingKeyCount = std::size(kSettingKeys);

// The row of a key by name among the System keys or among the note keys
// (whose Saved is kSection), or null when there is none. The rows below are
// found while compiling, where following a null pointer is an error: a
// misspelt name does not compile.
constexpr const SettingKey* FindKey(bool noteKey, std::string_view name) {
  for (const SettingKey& key : kSettingKeys) {
    if ((key.Saved == SavedWith::kSection) == noteKey && name == key.Name) return &key;
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
