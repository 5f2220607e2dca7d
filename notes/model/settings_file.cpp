// Reading and writing the settings file through the table of its keys.
#include "notes/model/settings_file.h"

#include <algorithm>
#include <string_view>

#include "common/ascii.h"
#include "common/decimal.h"
#include "notes/model/settings_keys.h"
#include "notes/model/settings_values.h"

namespace zettrella {

namespace {

// A value is read with room for 1023 bytes, as the profile functions give it;
// a note text with room for the longest text the program writes, so that
// it comes back whole.
size_t ReadLimit(const SettingKey& key) { return key.form == ValueForm::kText ? kMaxStoredTextBytes + 1 : 1023; }

// Asked for as the default of a read, it tells a missing key from every
// stored value: a value read from the file never holds a line break.
constexpr char kMissing[] = "\n";

// A key's value read into its field; a missing key gives the field its
// initialiser.
template <class Record>
void ReadKey(const SettingKey& key, const std::string& value, Record* record) {
  if (value == kMissing) {
    CopyValue(key, Record{}, record);
  } else {
    ReadValue(key, value, record);
  }
}

void ReadSystemKey(Profile& profile, const SettingKey& key, SystemSettings* settings) {
  ReadKey(key, profile.Read(kSystemSection, key.name, kMissing, ReadLimit(key)), settings);
}

void ReadNoteKey(const std::vector<std::string>& lines, const SettingKey& key, Note* note) {
  ReadKey(key, SectionValue(lines, key.name, kMissing, ReadLimit(key)), note);
}

// The keys of the table that take, each with its value in record (of the
// keys' kind), in the table's order.
template <class Record, class Take>
KeyValues Formatted(const Record& record, Take take) {
  KeyValues values;
  for (const SettingKey& key : kSettingKeys) {
    if (take(key)) values.emplace_back(key.name, FormatValue(key, record));
  }
  return values;
}

// The lines of a section with values set as writing them key by key would
// set them: each key replaced where it stands (found in any ASCII case, its
// spelling kept), new keys added at the end, other lines kept.
std::vector<std::string> MergeIntoSection(std::vector<std::string> lines, const KeyValues& values) {
  auto lineKey = [](const std::string& line) { return line.substr(0, line.find('=')); };
  for (const auto& keyValue : values) {
    const std::string& key = keyValue.first;
    const auto line = std::find_if(lines.begin(), lines.end(),
                                   [&](const std::string& l) { return EqualsIgnoringAsciiCase(lineKey(l), key); });
    if (line == lines.end()) {
      lines.push_back(key + "=" + keyValue.second);
    } else {
      *line = lineKey(*line) + "=" + keyValue.second;
    }
  }
  return lines;
}

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

int32_t SettingsFile::ReadTrayDelay() {
  SystemSettings settings;
  ReadSystemKey(profile_, kTrayDelayKey, &settings);
  return settings.trayDelay;
}

void SettingsFile::ReadSystem(SystemSettings* settings) {
  for (const SettingKey& key : kSettingKeys) {
    if (key.section == kSystemSection && key.saved != SavedWith::kNever) ReadSystemKey(profile_, key, settings);
  }
}

void SettingsFile::ReadNotes(NoteTable* table) {
  // Each section is read whole and looked up here: one profile call per
  // note instead of twelve, each of which reads the file again.
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::vector<std::string> lines = profile_.ReadSection(SectionName(slot).c_str());
    Note& note = (*table)[slot];
    note = Note{};
    ReadNoteKey(lines, kIdKey, &note);
    if (note.id < 0) continue;  // an empty slot: nothing else of it is read
    note.inUse = true;
    for (const SettingKey& key : kSettingKeys) {
      if (key.section == nullptr) ReadNoteKey(lines, key, &note);
    }
  }
  table->NormalisePriorities();
}

void SettingsFile::SaveSystemSettings(const SystemSettings& settings) {
  profile_.WriteKeys(kSystemSection,
                     Formatted(settings, [](const auto& key) { return key.saved == SavedWith::kDialog; }));
}

void SettingsFile::SaveFloating(bool floating) {
  SystemSettings settings;
  settings.floating = floating;
  profile_.WriteKeys(kSystemSection,
                     Formatted(settings, [](const auto& key) { return key.saved == SavedWith::kItself; }));
}

void SettingsFile::SaveNote(int slot, const Note& note) {
  const KeyValues values = Formatted(
      note, [&note](const auto& key) { return key.section == nullptr && (note.mask || &key != &kTextAsterNumKey); });
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
  profile_.WriteKeys(SectionName(slot).c_str(), Formatted(note, [](const auto& key) { return &key == &kPriorityKey; }));
}

void SettingsFile::SavePosition(int slot, const Note& note) {
  profile_.WriteKeys(SectionName(slot).c_str(),
                     Formatted(note, [](const auto& key) { return &key == &kPosXKey || &key == &kPosYKey; }));
}

void SettingsFile::SaveEverything(const SystemSettings& settings, const NoteTable& table) {
  profile_.WriteKeys(kSystemSection,
                     Formatted(settings, [](const auto& key) { return key.section == kSystemSection; }));
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (table[slot].inUse) SaveNote(slot, table[slot]);
  }
}

void SettingsFile::RemoveNote(int slot) { profile_.RemoveSection(SectionName(slot).c_str()); }

}  // namespace zettrella
