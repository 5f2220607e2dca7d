// The settings file's value conversions: flags, masks, line breaks, quoting
// and the stored text's length.
#include "notes/model/settings_values.h"

#include <gtest/gtest.h>

#include <string>

#include "notes/model/settings_file.h"
#include "tests/native/memory_profile.h"

namespace zettrella {
namespace {

TEST(SettingsValues, FloatingIsOnInAnyMixOfCapitalsOnly) {
  EXPECT_EQ(ParseOnOff("on"), 1);
  EXPECT_EQ(ParseOnOff("ON"), 1);
  EXPECT_EQ(ParseOnOff("oN"), 1);
  EXPECT_EQ(ParseOnOff("1"), 0);
  EXPECT_EQ(ParseOnOff("Off"), 0);
  EXPECT_EQ(ParseOnOff("only"), 0);
  EXPECT_EQ(ParseOnOff(""), 0);
}

TEST(SettingsValues, FlagsAreExactlyOneOrZeroAndMaskStartAtLeastOne) {
  EXPECT_EQ(ParseFlag("1"), 1);
  EXPECT_EQ(ParseFlag(" 1x"), 1);
  EXPECT_EQ(ParseFlag("2"), 0);
  EXPECT_EQ(ParseFlag("yes"), 0);
  EXPECT_EQ(ParseAsterNum("0"), 1);
  EXPECT_EQ(ParseAsterNum("-3"), 1);
  EXPECT_EQ(ParseAsterNum("abc"), 1);
  EXPECT_EQ(ParseAsterNum("7"), 7);
}

TEST(SettingsValues, TextLineBreaksRoundTrip) {
  EXPECT_EQ(TextFromStored("a\\nb"), "a\r\nb");
  EXPECT_EQ(TextToStored("a\r\nb"), "a\\nb");
  EXPECT_EQ(TextFromStored("\\n\\n"), "\r\n\r\n");
  EXPECT_EQ(TextFromStored("a\\"), "a\\");
}

// Raw CR or LF in a value would end it in the file and start lines of their
// own there (a section header, a key), so no written value may hold one.
TEST(SettingsValues, EveryLineBreakIsStoredAsBackslashN) {
  EXPECT_EQ(TextToStored("lone\rcr\nlf\r\n\n\r"), "lone\\ncr\\nlf\\n\\n\\n");
  EXPECT_EQ(TextFromStored(TextToStored("a\nb")), "a\r\nb");
  // Lone breaks grow by a byte when stored; the stored value still fits the
  // 1024 bytes that are read back, and is not cut between CR and LF.
  std::string halfOfLone;
  for (int i = 0; i < 512; ++i) halfOfLone += "\\n";
  EXPECT_EQ(TextToStored(std::string(1000, '\n')), halfOfLone);
  EXPECT_EQ(TextToStored(std::string(1023, 'x') + "\n"), std::string(1023, 'x'));

  MemoryProfile profile;
  SettingsFile file(profile);
  SystemSettings settings;
  settings.hotKeyCreateC = "F1\r\n[Husen7]\r\nID=77";
  settings.defaultFontName = "Font\nName";
  file.SaveSystemSettings(settings);
  Note note;
  note.fontName = "Face\r";
  note.text = "one\ntwo\rthree";
  file.SaveNote(6, note);
  for (const std::string& line : profile.sections["System"])
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  for (const std::string& line : profile.sections["Husen7"])
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
  EXPECT_EQ(profile.Read("System", "HotKeyCreateC", "", 99), "F1");
  EXPECT_EQ(profile.Read("Husen7", "Text", "", 99), "one\\ntwo\\nthree");
}

TEST(SettingsValues, DoubleByteCharacterEndingInBackslashIsNotALineBreak) {
  // "表" is 0x95 0x5C in code page 932: its second byte is the backslash.
  const std::string stored = "\x95\x5Cn";
  EXPECT_EQ(TextFromStored(stored), stored);
  EXPECT_EQ(TextFromStored("\x95\x5C\\n"), "\x95\x5C\r\n");
  // An extension character whose second byte is itself a lead byte.
  EXPECT_EQ(TextFromStored("\xFA\x81\\n"), "\xFA\x81\r\n");
}

TEST(SettingsValues, ValuesTheProfileFunctionsWouldChangeAreQuoted) {
  for (const char* changed : {"  indented", "end\t", "\"quoted\"", "'single'", "\"\"", "\x1A"}) {
    EXPECT_EQ(ProfileValue(changed), "\"" + std::string(changed) + "\"");
  }
  for (const char* same : {"", "plain", "\"", "\"a\" b", "'a\"", "\x81\x40wide\x81\x40"})
    EXPECT_EQ(ProfileValue(same), same);
}

TEST(SettingsValues, StoredTextIsCutAt1024BytesOnACharacterBoundary) {
  const std::string ascii(1500, 'x');
  EXPECT_EQ(TextToStored(ascii).size(), 1024u);
  // 1023 single bytes and then a two-byte character: the character would be
  // split by a plain cut, so it goes whole.
  const std::string split = std::string(1023, 'x') + "\x82\xA0" + "tail";
  EXPECT_EQ(TextToStored(split), std::string(1023, 'x'));
  EXPECT_EQ(LimitStoredText(split), std::string(1023, 'x'));
  EXPECT_EQ(LimitStoredText(std::string(1024, 'y')), std::string(1024, 'y'));
}

}  // namespace
}  // namespace zettrella
