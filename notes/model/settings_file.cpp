// Keys, defaults and conversions of the settings file.
#include "notes/model/settings_file.h"

#include <string_view>
#include <utility>

#include "common/ascii.h"
#include "common/decimal.h"
#include "notes/model/settings_keys.h"
#include "notes/model/settings_values.h"

namespace zettrella {

namespace {

// A value is read with room for 1023 bytes, as the profile functions give it;
// a note text with room for the longest text the program writes, so that
// it comes back whole.
size_t ReadLimit(const SettingKey& key) { return key.Form == ValueForm::kText ? kMaxStoredTextBytes + 1 : 1023; }

}  // namespace

std::string SectionValue(const std::vector<std::string>& lines, std::string_view key, const char* defaultValue,
                         size_t maxBytes) {
  std::string_view value = defaultValue;
  for (const std::string& line : lines) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos || !EqualsIgnoringAsciiCase(std::string_view(line).substr(0, equals), key))
      continue;
    value = std::string_view(line).substr(equals + 1);
    // Like the profile functions: a value in matching quotes loses them.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    break;
  }
  return std::string(value.substr(0, maxBytes));
}

std::string SettingsFile::SectionName(int slot) { return "Husen" + FormatDecimal(slot + 1); }

std::string SettingsFile::Read(const SettingKey& key) {
  return profile_.Read(kSystemSection, key.Name, key.Default, ReadLimit(key));
}

int32_t SettingsFile::ReadTrayDelay() {
  SystemSettings settings;
  const SettingKey& key = SystemKey("TrayDelay");
  ReadValue(key, Read(key), &settings);
  return settings.TrayDelay;
}

void SettingsFile::ReadSystem(SystemSettings* settings) {
  for (size_t i = 0; i < kSettingKeyCount; ++i) {
    const SettingKey& key = kSettingKeys[i];
    if (key.Section == kSystemSection && key.Saved != SavedWith::kNever) ReadValue(key, Read(key), settings);
  }
}

void SettingsFile::ReadNotes(NoteTable* table) {
  // Each section is read whole and looked up here: one profile call per
  // note instead of twelve, each of which reads the file again.
  const SettingKey& idKey = NoteKey("ID");
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string section = SectionName(slot);
    const std::vector<std::string> lines = profile_.ReadSection(section.c_str());
    Note& note = (*table)[slot];
    note = Note{};
    ReadValue(idKey, SectionValue(lines, idKey.Name, idKey.Default, ReadLimit(idKey)), &note);
    if (note.ID < 0) continue;  // an empty slot: nothing else of it is read
    note.InUse = true;
    for (size_t i = 0; i < kSettingKeyCount; ++i) {
      const SettingKey& key = kSettingKeys[i];
      if (key.Section == nullptr && &key != &idKey) {
        ReadValue(key, SectionValue(lines, key.Name, key.Default, ReadLimit(key)), &note);
      }
    }
  }
  table->NormalisePriorities();
}

void SettingsFile::SaveSystemSettings(const SystemSettings& settings) {
  std::vector<std::pair<std::string, std::string>> values;
  for (size_t i = 0; i < kSettingKeyCount; ++i) {
    const SettingKey& key = kSettingKeys[i];
    if (key.Saved == SavedWith::kDialog) values.emplace_back(key.Name, FormatValue(key, settings));
  }
  profile_.WriteKeys(kSystemSection, values);
}

void SettingsFile::SaveFloating(int32_t floating) {
  SystemSettings settings;
  settings.Floating = floating;
  const SettingKey& key = SystemKey("Floating");
  profile_.Write(kSystemSection, key.Name, FormatValue(key, settings).c_str());
}

std::vector<std::string> MergeIntoSection(std::vector<std::string> lines,
                                          const std::vector<std::pair<std::string, std::string>>& values) {
  for (const auto& [key, value] : values) {
    bool found = false;
    for (std::string& line : lines) {
      const size_t equals = line.find('=');
      const std::string lineKey = line.substr(0, equals);
      if (!EqualsIgnoringAsciiCase(lineKey, key)) continue;
      line = lineKey + "=" + value;
      found = true;
      break;
    }
    if (!found) lines.push_back(key + "=" + value);
  }
  return lines;
}

void SettingsFile::SaveNote(int slot, const Note& note) {
  std::vector<std::pair<std::string, std::string>> values;
  for (size_t i = 0; i < kSettingKeyCount; ++i) {
    const SettingKey& key = kSettingKeys[i];
    // TextAsterNum is written only while TextAster is set.
    if (key.Section != nullptr || (key.NoteNumber == &Note::TextAsterNum && !note.TextAster)) continue;
    values.emplace_back(key.Name, FormatValue(key, note));
  }
  // The section is rewritten in one write: every write of a profile file
  // rewrites the whole file, and a note build must stay cheap when 100
  // notes are built at start-up.
  const std::string section = SectionName(slot);
  const std::vector<std::string> original = profile_.ReadSection(section.c_str());
  const std::vector<std::string> lines = MergeIntoSection(original, values);
  // A section that would come out as it is stays untouched: at start-up most
  // notes are built again with the id and priority they already have.
  if (lines != original) profile_.WriteSection(section.c_str(), lines);
}

void SettingsFile::SavePriority(int slot, const Note& note) {
  const SettingKey& key = NoteKey("Priority");
  profile_.Write(SectionName(slot).c_str(), key.Name, FormatValue(key, note).c_str());
}

void SettingsFile::SavePosition(int slot, const Note& note) {
  const SettingKey& x = NoteKey("PosX");
  const SettingKey& y = NoteKey("PosY");
  profile_.WriteKeys(SectionName(slot).c_str(), {{x.Name, FormatValue(x, note)}, {y.Name, FormatValue(y, note)}});
}

void SettingsFile::SaveEverything(const SystemSettings& settings, const NoteTable& table) {
  std::vector<std::pair<std::string, std::string>> values;
  for (size_t i = 0; i < kSettingKeyCount; ++i) {
    const SettingKey& key = kSettingKeys[i];
    if (key.Section == kSystemSection) values.emplace_back(key.Name, FormatValue(key, settings));
  }
  profile_.WriteKeys(kSystemSection, values);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (table[slot].InUse) SaveNote(slot, table[slot]);
  }
}

void SettingsFile::RemoveNote(int slot) { profile_.RemoveSection(SectionName(slot).c_str()); }

}  // namespace zettrella
