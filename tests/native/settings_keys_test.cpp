// The table of the settings file's keys: every name the code uses is a row,
// and a missing key leaves its field's initial value.
#include "notes/model/settings_keys.h"

#include <gtest/gtest.h>

#include "notes/model/settings_file.h"
#include "tests/native/memory_profile.h"

namespace zettrella {
namespace {

// A name that is no key finds no row, so the named rows cannot be misspelt.
static_assert(!FindSystemKey("Floatin") && !FindNoteKey("TrayDelay") && FindSystemKey("TrayDelay") == &kSettingKeys[0]);

// A missing key gives its field the initialiser, whatever the record held
// before: a file read again after a start without it.
TEST(SettingKeys, MissingKeysTakeTheFieldsInitialValues) {
  MemoryProfile profile;
  profile.Set("System", {"Unknown=1"});
  profile.Set("Husen1", {"ID=3"});
  SettingsFile file(profile);
  SystemSettings read;
  read.TrayDelay = read.Floating = read.DefaultWidth = read.DefaultHeight = read.DefaultFontSize = -7;
  read.HotKeyCreateC = read.HotKeyCreateM = read.HotKeyCreateY = read.HotKeyShow = read.DefaultFontName = "?";
  file.ReadSystem(&read);
  read.TrayDelay = file.ReadTrayDelay();
  NoteTable table;
  table[0].Width = table[0].FontSize = table[0].TextAsterNum = -7;
  file.ReadNotes(&table);
  const SystemSettings initial;
  const Note initialNote;
  for (const SettingKey& key : kSettingKeys) {
    if (key.Section == kSystemSection) {
      EXPECT_EQ(FormatValue(key, read), FormatValue(key, initial)) << key.Name;
    } else if (&key != &kIdKey) {
      EXPECT_EQ(FormatValue(key, table[0]), FormatValue(key, initialNote)) << key.Name;
    }
  }
}

}  // namespace
}  // namespace zettrella
