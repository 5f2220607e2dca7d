// Keys, defaults and conversions of the settings file.
#include "notes/model/settings_file.h"

#include <string_view>
#include <utility>

#include "common/ascii.h"
#include "common/decimal.h"
#include "notes/model/settings_values.h"

namespace zettrella {

namespace {

constexpr char kSystem[] = "System";

// A value is read with room for 1023 bytes, as the profile functions give it.
constexpr size_t kValueBytes = 1023;

// Per-note defaults; fixed, they do not follow the System values.
constexpr char kNoteDefaultWidth[] = "200";
constexpr char kNoteDefaultFontName[] = "ＭＳ ゴシック";
constexpr char kNoteDefaultFontSize[] = "8";

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

int32_t SettingsFile::ReadInt(const char* section, const char* key, const char* defaultValue) {
  return ParseDecimal(profile_.Read(section, key, defaultValue, kValueBytes));
}

std::string SettingsFile::ReadText(const char* section, const char* key, const char* defaultValue) {
  return profile_.Read(section, key, defaultValue, kValueBytes);
}

void SettingsFile::WriteInt(const char* section, const char* key, int32_t value) {
  profile_.Write(section, key, FormatDecimal(value).c_str());
}

int32_t SettingsFile::ReadTrayDelay() { return ReadInt(kSystem, "TrayDelay", "30"); }

void SettingsFile::ReadSystem(SystemSettings* s) {
  s->Floating = ParseOnOff(ReadText(kSystem, "Floating", "Off"));
  s->HotKeyCreateC = ReadText(kSystem, "HotKeyCreateC", "F1");
  s->HotKeyCreateM = ReadText(kSystem, "HotKeyCreateM", "F2");
  s->HotKeyCreateY = ReadText(kSystem, "HotKeyCreateY", "F3");
  s->HotKeyShow = ReadText(kSystem, "HotKeyShow", "A");
  s->DefaultWidth = ReadInt(kSystem, "Width", "200");
  s->DefaultHeight = ReadInt(kSystem, "Height", "30");
  s->DefaultFontName = ReadText(kSystem, "FontName", "ＭＳ ゴシック");
  s->DefaultFontSize = ReadInt(kSystem, "FontSize", "8");
}

void SettingsFile::ReadNotes(NoteTable* table) {
  // Each section is read whole and looked up here: one profile call per
  // note instead of twelve, each of which reads the file again.
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string section = SectionName(slot);
    const std::vector<std::string> lines = profile_.ReadSection(section.c_str());
    auto text = [&](const char* key, const char* defaultValue, size_t maxBytes = kValueBytes) {
      return SectionValue(lines, key, defaultValue, maxBytes);
    };
    auto number = [&](const char* key, const char* defaultValue) { return ParseDecimal(text(key, defaultValue)); };
    Note& note = (*table)[slot];
    note = Note{};
    const int32_t id = number("ID", "-1");
    if (id < 0) continue;  // an empty slot: nothing else of it is read
    note.InUse = true;
    note.ID = id;
    note.Priority = number("Priority", "0");
    note.PosX = number("PosX", "0");
    note.PosY = number("PosY", "0");
    note.Width = number("Width", kNoteDefaultWidth);
    note.Type = number("Type", "0");
    note.FontName = text("FontName", kNoteDefaultFontName);
    note.FontSize = number("FontSize", kNoteDefaultFontSize);
    // Room for the longest text the program writes, so that it comes back whole.
    note.Text = TextFromStored(LimitStoredText(text("Text", "", kMaxStoredTextBytes + 1)));
    note.TextRed = ParseFlag(text("TextRed", "0"));
    note.TextAster = ParseFlag(text("TextAster", "0"));
    note.TextAsterNum = ParseAsterNum(text("TextAsterNum", "1"));
  }
  table->NormalisePriorities();
}

void SettingsFile::SaveSystemSettings(const SystemSettings& s) {
  profile_.WriteKeys(kSystem, {
                                  {"HotKeyCreateC", SingleLine(s.HotKeyCreateC)},
                                  {"HotKeyCreateM", SingleLine(s.HotKeyCreateM)},
                                  {"HotKeyCreateY", SingleLine(s.HotKeyCreateY)},
                                  {"HotKeyShow", SingleLine(s.HotKeyShow)},
                                  {"Width", FormatDecimal(s.DefaultWidth)},
                                  {"Height", FormatDecimal(s.DefaultHeight)},
                                  {"FontName", SingleLine(s.DefaultFontName)},
                                  {"FontSize", FormatDecimal(s.DefaultFontSize)},
                              });
}

void SettingsFile::SaveFloating(int32_t floating) { profile_.Write(kSystem, "Floating", FormatOnOff(floating)); }

void SettingsFile::SaveNote(int slot, const Note& note) {
  // A note without a layer object still keeps its section loadable: its
  // ID is only a placeholder, the next start hands out new ids anyway.
  std::vector<std::pair<const char*, std::string>> values = {
      {"ID", FormatDecimal(note.ID >= 0 ? note.ID : 0)},
      {"Priority", FormatDecimal(note.Priority)},
      {"PosX", FormatDecimal(note.PosX)},
      {"PosY", FormatDecimal(note.PosY)},
      {"Width", FormatDecimal(note.Width)},
      {"Type", FormatDecimal(note.Type)},
      {"FontName", SingleLine(note.FontName)},
      {"FontSize", FormatDecimal(note.FontSize)},
      {"Text", TextToStored(note.Text)},
      {"TextRed", FormatFlag(note.TextRed)},
      {"TextAster", FormatFlag(note.TextAster)},
  };
  if (note.TextAster) values.emplace_back("TextAsterNum", FormatDecimal(note.TextAsterNum));

  // The section is rewritten in one write, with the same result as writing
  // the keys one by one (each key replaced where it stands, new keys added at
  // the end, other keys kept): every write of a profile file rewrites the
  // whole file, and a note build must stay cheap when 100 notes are built at
  // start-up.
  const std::string section = SectionName(slot);
  const std::vector<std::string> original = profile_.ReadSection(section.c_str());
  std::vector<std::string> lines = original;
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
    if (!found) lines.push_back(std::string(key) + "=" + value);
  }
  // A section that would come out as it is stays untouched: at start-up most
  // notes are built again with the id and priority they already have.
  if (lines != original) profile_.WriteSection(section.c_str(), lines);
}

void SettingsFile::SavePriority(int slot, const Note& note) {
  WriteInt(SectionName(slot).c_str(), "Priority", note.Priority);
}

void SettingsFile::SavePosition(int slot, const Note& note) {
  profile_.WriteKeys(SectionName(slot).c_str(),
                     {{"PosX", FormatDecimal(note.PosX)}, {"PosY", FormatDecimal(note.PosY)}});
}

void SettingsFile::RemoveNote(int slot) { profile_.Write(SectionName(slot).c_str(), nullptr, nullptr); }

}  // namespace zettrella
