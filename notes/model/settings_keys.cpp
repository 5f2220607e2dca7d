// The table of the settings file's keys and the conversions of its forms.
#include "notes/model/settings_keys.h"

#include <algorithm>
#include <cstring>

#include "common/decimal.h"
#include "notes/model/settings_values.h"

namespace zettrella {

namespace {

constexpr SettingKey System(const char* name, const char* defaultValue, ValueForm form, SavedWith saved,
                            int32_t SystemSettings::*field) {
  return {kSystemSection, name, defaultValue, form, saved, field, nullptr, nullptr, nullptr};
}
constexpr SettingKey System(const char* name, const char* defaultValue, ValueForm form, SavedWith saved,
                            std::string SystemSettings::*field) {
  return {kSystemSection, name, defaultValue, form, saved, nullptr, field, nullptr, nullptr};
}
constexpr SettingKey InNote(const char* name, const char* defaultValue, ValueForm form, int32_t Note::*field) {
  return {nullptr, name, defaultValue, form, SavedWith::kSection, nullptr, nullptr, field, nullptr};
}
constexpr SettingKey InNote(const char* name, const char* defaultValue, ValueForm form, std::string Note::*field) {
  return {nullptr, name, defaultValue, form, SavedWith::kSection, nullptr, nullptr, nullptr, field};
}

int32_t ParseNumber(ValueForm form, std::string_view text) {
  switch (form) {
    case ValueForm::kOnOff:
      return ParseOnOff(text);
    case ValueForm::kFlag:
      return ParseFlag(text);
    case ValueForm::kAsterNum:
      return ParseAsterNum(text);
    default:
      return ParseDecimal(text);
  }
}

std::string FormatNumber(ValueForm form, int32_t value) {
  switch (form) {
    case ValueForm::kOnOff:
      return FormatOnOff(value);
    case ValueForm::kFlag:
      return FormatFlag(value);
    case ValueForm::kId:
      // The placeholder id keeps the section loadable; the next start hands
      // out new ids anyway.
      return FormatDecimal(std::max<int32_t>(value, 0));
    default:
      return FormatDecimal(value);
  }
}

std::string ParseText(ValueForm form, std::string_view text) {
  return form == ValueForm::kText ? TextFromStored(LimitStoredText(text)) : std::string(text);
}

std::string FormatText(ValueForm form, const std::string& value) {
  return form == ValueForm::kText ? ProfileValue(TextToStored(value)) : SingleLine(value);
}

const SettingKey& Find(const char* section, std::string_view name) {
  for (size_t i = 0;; ++i) {
    const SettingKey& key = kSettingKeys[i];
    if (key.Section == section && name == key.Name) return key;
  }
}

}  // namespace

const SettingKey kSettingKeys[] = {
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
const size_t kSettingKeyCount = sizeof kSettingKeys / sizeof kSettingKeys[0];

const SettingKey& SystemKey(std::string_view name) { return Find(kSystemSection, name); }
const SettingKey& NoteKey(std::string_view name) { return Find(nullptr, name); }

void ReadValue(const SettingKey& key, std::string_view text, SystemSettings* settings) {
  if (key.SystemNumber) settings->*key.SystemNumber = ParseNumber(key.Form, text);
  if (key.SystemText) settings->*key.SystemText = ParseText(key.Form, text);
}

void ReadValue(const SettingKey& key, std::string_view text, Note* note) {
  if (key.NoteNumber) note->*key.NoteNumber = ParseNumber(key.Form, text);
  if (key.NoteText) note->*key.NoteText = ParseText(key.Form, text);
}

std::string FormatValue(const SettingKey& key, const SystemSettings& settings) {
  return key.SystemNumber ? FormatNumber(key.Form, settings.*key.SystemNumber)
                          : FormatText(key.Form, settings.*key.SystemText);
}

std::string FormatValue(const SettingKey& key, const Note& note) {
  return key.NoteNumber ? FormatNumber(key.Form, note.*key.NoteNumber) : FormatText(key.Form, note.*key.NoteText);
}

void CopyValue(const SettingKey& key, const SystemSettings& from, SystemSettings* to) {
  if (key.SystemNumber) to->*key.SystemNumber = from.*key.SystemNumber;
  if (key.SystemText) to->*key.SystemText = from.*key.SystemText;
}

}  // namespace zettrella
