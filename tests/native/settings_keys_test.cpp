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
  read.floating = true;
  read.trayDelay = read.defaultWidth = read.defaultHeight = read.defaultFontSize = -7;
  read.hotKeyCreateC = read.hotKeyCreateM = read.hotKeyCreateY = read.hotKeyShow = read.defaultFontName = "?";
  file.ReadSystem(&read);
  read.trayDelay = file.ReadTrayDelay();
  NoteTable table;
  table[0].width = table[0].fontSize = table[0].maskFrom = -7;
  file.ReadNotes(&table);
  const SystemSettings initial;
  const Note initialNote;
  for (const SettingKey& key : kSettingKeys) {
    if (key.section == kSystemSection) {
      EXPECT_EQ(FormatValue(key, read), FormatValue(key, initial)) << key.name;
    } else if (&key != &kIdKey) {
      EXPECT_EQ(FormatValue(key, table[0]), FormatValue(key, initialNote)) << key.name;
    }
  }
}

}  // namespace
}  // namespace zettrella
