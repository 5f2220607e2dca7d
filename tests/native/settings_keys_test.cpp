// The table of the settings file's keys and their defaults.
#include "notes/model/settings_keys.h"

#include <gtest/gtest.h>

namespace zettrella {
namespace {

// The defaults are spelled twice, in the table and in SystemSettings's
// initializers; a run without a settings file and one before loading must
// agree.
TEST(SettingKeys, SystemDefaultsAreTheSettingsOwnInitialValues) {
  const SystemSettings initial;
  for (size_t i = 0; i < kSettingKeyCount; ++i) {
    const SettingKey& key = kSettingKeys[i];
    if (key.Section != kSystemSection) continue;
    SystemSettings read;
    read.TrayDelay = read.Floating = read.DefaultWidth = read.DefaultHeight = read.DefaultFontSize = -7;
    read.HotKeyCreateC = read.HotKeyCreateM = read.HotKeyCreateY = read.HotKeyShow = read.DefaultFontName = "?";
    ReadValue(key, key.Default, &read);
    EXPECT_EQ(FormatValue(key, read), FormatValue(key, initial)) << key.Name;
  }
}

}  // namespace
}  // namespace zettrella
