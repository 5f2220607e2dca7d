// The conversions of the settings file's value forms.
#include "notes/model/settings_keys.h"

#include <algorithm>

#include "common/decimal.h"
#include "notes/model/settings_values.h"

namespace zettrella {

namespace {

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

}  // namespace

template <class Record>
void ReadValue(const SettingKey& key, std::string_view text, Record* record) {
  if (const auto* number = std::get_if<int32_t Record::*>(&key.field)) record->*(*number) = ParseNumber(key.form, text);
  if (const auto* flag = std::get_if<bool Record::*>(&key.field)) record->*(*flag) = ParseNumber(key.form, text) != 0;
  if (const auto* field = std::get_if<std::string Record::*>(&key.field)) record->*(*field) = ParseText(key.form, text);
}

template <class Record>
std::string FormatValue(const SettingKey& key, const Record& record) {
  if (const auto* number = std::get_if<int32_t Record::*>(&key.field)) return FormatNumber(key.form, record.*(*number));
  if (const auto* flag = std::get_if<bool Record::*>(&key.field))
    return FormatNumber(key.form, record.*(*flag) ? 1 : 0);
  return FormatText(key.form, record.*std::get<std::string Record::*>(key.field));
}

template void ReadValue(const SettingKey&, std::string_view, SystemSettings*);
template void ReadValue(const SettingKey&, std::string_view, Note*);
template std::string FormatValue(const SettingKey&, const SystemSettings&);
template std::string FormatValue(const SettingKey&, const Note&);

template <class Record>
void CopyValue(const SettingKey& key, const Record& from, Record* to) {
  if (const auto* number = std::get_if<int32_t Record::*>(&key.field)) to->*(*number) = from.*(*number);
  if (const auto* flag = std::get_if<bool Record::*>(&key.field)) to->*(*flag) = from.*(*flag);
  if (const auto* text = std::get_if<std::string Record::*>(&key.field)) to->*(*text) = from.*(*text);
}

template void CopyValue(const SettingKey&, const SystemSettings&, SystemSettings*);
template void CopyValue(const SettingKey&, const Note&, Note*);

}  // namespace zettrella
