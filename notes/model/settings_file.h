// The settings file: section "System" and the note sections "Husen1" to
// "Husen100", read at start-up (or once a file held then can be read) and
// written at each change: a note's section in one write, other changes as
// one write of their keys.
// The file itself is reached through a Profile, so that the read and write
// order can be checked without Windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "notes/model/note_table.h"
#include "notes/model/profile.h"

namespace zettrella {

// The value of key in the lines of a section, found as the profile functions
// find it (first line, any ASCII case; matching quotes around the value
// dropped), at most maxBytes long; defaultValue when the key is absent.
std::string SectionValue(const std::vector<std::string>& lines, std::string_view key, const char* defaultValue,
                         size_t maxBytes);

// Reads and writes the program's settings through a Profile, key by key as
// the table of settings_keys.h says.
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
  void SaveFloating(bool floating);
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
  Profile& profile_;
};

}  // namespace zettrella
