// Keys, defaults and conversions of the settings file.
#include "notes/model/settings_file.h"

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
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string section = SectionName(slot);
    const char* sec = section.c_str();
    Note& note = (*table)[slot];
    note = Note{};
    const int32_t id = ReadInt(sec, "ID", "-1");
    if (id < 0) continue;  // an empty slot: nothing else of it is read
    note.InUse = true;
    note.ID = id;
    note.Priority = ReadInt(sec, "Priority", "0");
    note.PosX = ReadInt(sec, "PosX", "0");
    note.PosY = ReadInt(sec, "PosY", "0");
    note.Width = ReadInt(sec, "Width", kNoteDefaultWidth);
    note.Type = ReadInt(sec, "Type", "0");
    note.FontName = ReadText(sec, "FontName", kNoteDefaultFontName);
    note.FontSize = ReadInt(sec, "FontSize", kNoteDefaultFontSize);
    // Room for the longest text the program writes, so that it comes back whole.
    note.Text = TextFromStored(LimitStoredText(profile_.Read(sec, "Text", "", kMaxStoredTextBytes + 1)));
    note.TextRed = ParseFlag(ReadText(sec, "TextRed", "0"));
    note.TextAster = ParseFlag(ReadText(sec, "TextAster", "0"));
    note.TextAsterNum = ParseAsterNum(ReadText(sec, "TextAsterNum", "1"));
  }
  table->NormalisePriorities();
}

void SettingsFile::SaveSystemSettings(const SystemSettings& s) {
  profile_.Write(kSystem, "HotKeyCreateC", s.HotKeyCreateC.c_str());
  profile_.Write(kSystem, "HotKeyCreateM", s.HotKeyCreateM.c_str());
  profile_.Write(kSystem, "HotKeyCreateY", s.HotKeyCreateY.c_str());
  profile_.Write(kSystem, "HotKeyShow", s.HotKeyShow.c_str());
  WriteInt(kSystem, "Width", s.DefaultWidth);
  WriteInt(kSystem, "Height", s.DefaultHeight);
  profile_.Write(kSystem, "FontName", s.DefaultFontName.c_str());
  WriteInt(kSystem, "FontSize", s.DefaultFontSize);
}

void SettingsFile::SaveFloating(int32_t floating) { profile_.Write(kSystem, "Floating", FormatOnOff(floating)); }

void SettingsFile::SaveNote(int slot, const Note& note) {
  const std::string section = SectionName(slot);
  const char* sec = section.c_str();
  // A note without a layer object still keeps its section loadable: its
  // ID is only a placeholder, the next start hands out new ids anyway.
  WriteInt(sec, "ID", note.ID >= 0 ? note.ID : 0);
  WriteInt(sec, "Priority", note.Priority);
  WriteInt(sec, "PosX", note.PosX);
  WriteInt(sec, "PosY", note.PosY);
  WriteInt(sec, "Width", note.Width);
  WriteInt(sec, "Type", note.Type);
  profile_.Write(sec, "FontName", note.FontName.c_str());
  WriteInt(sec, "FontSize", note.FontSize);
  profile_.Write(sec, "Text", TextToStored(note.Text).c_str());
  profile_.Write(sec, "TextRed", FormatFlag(note.TextRed));
  profile_.Write(sec, "TextAster", FormatFlag(note.TextAster));
  if (note.TextAster) WriteInt(sec, "TextAsterNum", note.TextAsterNum);
}

void SettingsFile::SavePriority(int slot, const Note& note) {
  WriteInt(SectionName(slot).c_str(), "Priority", note.Priority);
}

void SettingsFile::SavePosition(int slot, const Note& note) {
  const std::string section = SectionName(slot);
  WriteInt(section.c_str(), "PosX", note.PosX);
  WriteInt(section.c_str(), "PosY", note.PosY);
}

void SettingsFile::RemoveNote(int slot) { profile_.Write(SectionName(slot).c_str(), nullptr, nullptr); }

}  // namespace zettrella
