// The settings file: section "System" and the note sections "Husen1" to
// "Husen100", read once at start-up and written key by key at each change.
// The file itself is reached through a Profile, so that the read and write
// order can be checked without Windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "notes/model/note_table.h"

namespace zettrella {

// Access to a profile (INI) file.
class Profile {
 public:
  virtual ~Profile() = default;
  // The value of section/key, or defaultValue when missing; at most
  // maxBytes bytes of it.
  virtual std::string Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) = 0;
  // Sets section/key to value. Key and value both null remove the section.
  virtual void Write(const char* section, const char* key, const char* value) = 0;
  // The lines of a section ("key=value"), in file order.
  virtual std::vector<std::string> ReadSection(const char* section) = 0;
  // Replaces the lines of a section in one write.
  virtual void WriteSection(const char* section, const std::vector<std::string>& lines) = 0;
  // Sets several keys of a section, in order, as one change of the file.
  virtual void WriteKeys(const char* section, const std::vector<std::pair<std::string, std::string>>& values) {
    for (const auto& [key, value] : values) Write(section, key.c_str(), value.c_str());
  }
};

// The value of key in the lines of a section, found as the profile functions
// find it (first line, any ASCII case; matching quotes around the value
// dropped), at most maxBytes long; defaultValue when the key is absent.
std::string SectionValue(const std::vector<std::string>& lines, std::string_view key, const char* defaultValue,
                         size_t maxBytes);

// Reads and writes the program's settings through a Profile.
class SettingsFile {
 public:
  explicit SettingsFile(Profile& profile) : profile_(profile) {}

  // System key TrayDelay (read on its own, first, at start-up).
  int32_t ReadTrayDelay();
  // The other System keys, in the file's order.
  void ReadSystem(SystemSettings* settings);
  // The 100 note sections into an empty table, then the priority ranking.
  void ReadNotes(NoteTable* table);

  void SaveSystemSettings(const SystemSettings& settings);
  void SaveFloating(int32_t floating);
  // The whole section of a slot. TextAsterNum is written only while
  // TextAster is set; an older TextAsterNum line stays otherwise.
  void SaveNote(int slot, const Note& note);
  void SavePriority(int slot, const Note& note);
  void SavePosition(int slot, const Note& note);
  // Removes the slot's whole section.
  void RemoveNote(int slot);
  // Every System key and every used slot's section, for a file made again
  // from what the program holds.
  void SaveEverything(const SystemSettings& settings, const NoteTable& table);

  // "Husen<slot+1>".
  static std::string SectionName(int slot);

 private:
  int32_t ReadInt(const char* section, const char* key, const char* defaultValue);
  std::string ReadText(const char* section, const char* key, const char* defaultValue);
  void WriteInt(const char* section, const char* key, int32_t value);

  Profile& profile_;
};

}  // namespace zettrella
