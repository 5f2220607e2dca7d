// The table of the settings file's keys and the conversions of its forms.
#include "notes/model/settings_keys.h"

#include <algorithm>

#include "common/decimal.h"
#include "notes/model/settings_values.h"

namespace zettrella {

namespace {

using Field = decltype(SettingKey::Field);

constexpr SettingKey System(const char* name, const char* defaultValue, ValueForm form, SavedWith saved, Field field) {
  return {kSystemSection, name, defaultValue, form, saved, field};
}
constexpr SettingKey InNote(const char* name, const char* defaultValue, ValueForm form, Field field) {
  return {nullptr, name, defaultValue, form, SavedWith::kSection, field};
}

int32_t ParseNumber(ValueForm form, std::string_view text) {
  if (form == ValueForm::kOnOff) return ParseOnOff(text);
  if (form == ValueForm::kFlag) return ParseFlag(text);
  return form == ValueForm::kAsterNum ? ParseAsterNum(text) : ParseDecimal(text);
}

std::string FormatNumber(ValueForm form, int32_t value) {
  if (form == ValueForm::kOnOff) return value ? "On" : "Off";
  if (form == ValueForm::kFlag) return value ? "1" : "0";
  // The placeholder id keeps the section loadable; the next start hands
  // out new ids anyway.
  return FormatDecimal(form == ValueForm::kId ? std::max<int32_t>(value, 0) : value);
}

std::string ParseText(ValueForm form, std::string_view text) {
  return form == ValueForm::kText ? TextFromStored(LimitStoredText(text)) : std::string(text);
}

std::string FormatText(ValueForm form, const std::string& value) {
  return form == ValueForm::kText ? ProfileValue(TextToStored(value)) : SingleLine(value);
}

const SettingKey& Find(const char* section, std::string_view name) {
  return *std::find_if(kSettingKeys, kSettingKeys + kSettingKeyCount,
                       [&](const SettingKey& key) { return key.Section == section && name == key.Name; });
}

}  // namespace

constexpr SettingKey kSettingKeys[kSettingKeyCount] = {
    System("TrayDelay", "30", ValueForm::kNumber, SavedWith::kNever, &SystemSettings::TrayDelay),
    System("Floating", "Off", ValueForm::kOnOff, SavedWith::kItself, &SystemSettings::Floating),
    System("HotKeyCreateC", "F1", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::HotKeyCreateC),
    System("HotKeyCreateM", "F2", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::HotKeyCreateM),
    System("HotKeyCreateY", "F3", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::HotKeyCreateY),
    System("HotKeyShow", "A", ValueForm::kLine, SavedWith::kDialog, &SystemSettings::HotKeyShow),
    System("Width", "200", ValueForm::kNumber, SavedWith::kDialog, &SystemSettings::DefaultWidth),
    System("Height", "30", ValueForm::kNumber, SavedWith::kDialog, &SystemSettings::DefaultHeight),
    System("FontName", kDefaultFontName, ValueForm::kLine, SavedWith::kDialog, &SystemSettings::DefaultFontName),
    System("FontSize", "8", ValueForm::kNumber, SavedWith::kDialog, &SystemSettings::DefaultFontSize),
    // A note's defaults are fixed; they do not follow the System values.
    InNote("ID", "-1", ValueForm::kId, &Note::ID),
    InNote("Priority", "0", ValueForm::kNumber, &Note::Priority),
    InNote("PosX", "0", ValueForm::kNumber, &Note::PosX),
    InNote("PosY", "0", ValueForm::kNumber, &Note::PosY),
    InNote("Width", "200", ValueForm::kNumber, &Note::Width),
    InNote("Type", "0", ValueForm::kNumber, &Note::Type),
    InNote("FontName", kDefaultFontName, ValueForm::kLine, &Note::FontName),
    InNote("FontSize", "8", ValueForm::kNumber, &Note::FontSize),
    InNote("Text", "", ValueForm::kText, &Note::Text),
    InNote("TextRed", "0", ValueForm::kFlag, &Note::TextRed),
    InNote("TextAster", "0", ValueForm::kFlag, &Note::TextAster),
    InNote("TextAsterNum", "1", ValueForm::kAsterNum, &Note::TextAsterNum),
};
static_assert(kSettingKeys[kSettingKeyCount - 1].Name != nullptr, "a row for every key");
const SettingKey& SystemKey(std::string_view name) { return Find(kSystemSection, name); }
const SettingKey& NoteKey(std::string_view name) { return Find(nullptr, name); }

template <class Record>
void ReadValue(const SettingKey& key, std::string_view text, Record* record) {
  if (const auto* number = std::get_if<int32_t Record::*>(&key.Field)) record->*(*number) = ParseNumber(key.Form, text);
  if (const auto* field = std::get_if<std::string Record::*>(&key.Field)) record->*(*field) = ParseText(key.Form, text);
}

template <class Record>
std::string FormatValue(const SettingKey& key, const Record& record) {
  const auto* number = std::get_if<int32_t Record::*>(&key.Field);
  return number ? FormatNumber(key.Form, record.*(*number))
                : FormatText(key.Form, record.*std::get<std::string Record::*>(key.Field));
}

template void ReadValue(const SettingKey&, std::string_view, SystemSettings*);
template void ReadValue(const SettingKey&, std::string_view, Note*);
template std::string FormatValue(const SettingKey&, const SystemSettings&);
template std::string FormatValue(const SettingKey&, const Note&);

void CopyValue(const SettingKey& key, const SystemSettings& from, SystemSettings* to) {
  if (const auto* number = std::get_if<int32_t SystemSettings::*>(&key.Field)) to->*(*number) = from.*(*number);
  if (const auto* text = std::get_if<std::string SystemSettings::*>(&key.Field)) to->*(*text) = from.*(*text);
}

}  // namespace zettrella
