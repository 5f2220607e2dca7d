// The settings file's conversions, read order, normalisation and write order,
// checked against an in-memory profile that records every access.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "notes/model/pending_changes.h"
#include "notes/model/settings_file.h"
#include "notes/model/settings_keys.h"
#include "notes/model/settings_values.h"
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
  settings.HotKeyCreateC = "F1\r\n[Husen7]\r\nID=77";
  settings.DefaultFontName = "Font\nName";
  file.SaveSystemSettings(settings);
  Note note;
  note.FontName = "Face\r";
  note.Text = "one\ntwo\rthree";
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

TEST(SettingsFile, MissingFileGivesEveryDefault) {
  MemoryProfile profile;
  SettingsFile file(profile);
  SystemSettings s;
  s.DefaultWidth = -1;
  EXPECT_EQ(file.ReadTrayDelay(), 30);
  file.ReadSystem(&s);
  EXPECT_EQ(s.Floating, 0);
  EXPECT_EQ(s.HotKeyCreateC, "F1");
  EXPECT_EQ(s.HotKeyCreateM, "F2");
  EXPECT_EQ(s.HotKeyCreateY, "F3");
  EXPECT_EQ(s.HotKeyShow, "A");
  EXPECT_EQ(s.DefaultWidth, 200);
  EXPECT_EQ(s.DefaultHeight, 30);
  EXPECT_EQ(s.DefaultFontName, "ＭＳ ゴシック");
  EXPECT_EQ(s.DefaultFontSize, 8);
  NoteTable table;
  file.ReadNotes(&table);
  EXPECT_EQ(table.FirstEmptySlot(), 0);
  EXPECT_EQ(table.NextPriority, 0);
}

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

TEST(SettingsFile, NoteSectionsAreReadWithDefaultsAndConversions) {
  MemoryProfile profile;
  profile.Set("Husen3", {"ID=4", "Priority=7", "PosX=-20", "Text=a\\nb", "TextRed=2", "TextAster=1", "TextAsterNum=0"});
  profile.Set("Husen7", {"ID=-1", "Text=ignored"});
  profile.Set("Husen8", {"Text=no id"});
  profile.Set("Husen101", {"ID=1"});
  SettingsFile file(profile);
  NoteTable table;
  file.ReadNotes(&table);
  const Note& n = table[2];
  EXPECT_TRUE(n.InUse);
  EXPECT_EQ(n.ID, 4);
  EXPECT_EQ(n.Priority, 0);
  EXPECT_EQ(n.PosX, -20);
  EXPECT_EQ(n.PosY, 0);
  EXPECT_EQ(n.Width, 200);
  EXPECT_EQ(n.Type, 0);
  EXPECT_EQ(n.FontName, "ＭＳ ゴシック");
  EXPECT_EQ(n.FontSize, 8);
  EXPECT_EQ(n.Text, "a\r\nb");
  EXPECT_EQ(n.TextRed, 0);
  EXPECT_EQ(n.TextAster, 1);
  EXPECT_EQ(n.TextAsterNum, 1);
  EXPECT_FALSE(table[6].InUse);
  EXPECT_EQ(table[6].Text, "");
  EXPECT_FALSE(table[7].InUse);
  EXPECT_EQ(table.FirstEmptySlot(), 0);
  EXPECT_EQ(table.NextPriority, 1);
}

TEST(SettingsFile, PerNoteDefaultsDoNotFollowTheSystemValues) {
  MemoryProfile profile;
  profile.Set("System", {"Width=300", "FontName=Other", "FontSize=12"});
  profile.Set("Husen1", {"ID=0"});
  SettingsFile file(profile);
  SystemSettings s;
  file.ReadSystem(&s);
  NoteTable table;
  file.ReadNotes(&table);
  EXPECT_EQ(s.DefaultWidth, 300);
  EXPECT_EQ(table[0].Width, 200);
  EXPECT_EQ(table[0].FontName, "ＭＳ ゴシック");
  EXPECT_EQ(table[0].FontSize, 8);
}

TEST(SettingsFile, SaveNoteWritesTheWholeSectionInOrder) {
  MemoryProfile profile;
  SettingsFile file(profile);
  Note note;
  note.InUse = true;
  note.ID = 12;
  note.Priority = 2;
  note.PosX = 412;
  note.PosY = 96;
  note.Type = 2;
  note.FontName = "ＭＳ ゴシック";
  note.Text = "first line\r\nsecond line";
  note.TextAsterNum = 9;
  file.SaveNote(0, note);
  const std::vector<std::string> expected = {"ID=12",
                                             "Priority=2",
                                             "PosX=412",
                                             "PosY=96",
                                             "Width=200",
                                             "Type=2",
                                             "FontName=ＭＳ ゴシック",
                                             "FontSize=8",
                                             "Text=first line\\nsecond line",
                                             "TextRed=0",
                                             "TextAster=0"};
  EXPECT_EQ(profile.sections["Husen1"], expected);
  EXPECT_EQ(profile.writes, std::vector<std::string>{"section Husen1"});

  note.TextAster = 1;
  note.TextRed = 1;
  file.SaveNote(99, note);
  ASSERT_EQ(profile.sections["Husen100"].size(), 12u);
  EXPECT_EQ(profile.sections["Husen100"][9], "TextRed=1");
  EXPECT_EQ(profile.sections["Husen100"][11], "TextAsterNum=9");
}

TEST(SettingsFile, SaveNoteReplacesKeysWhereTheyStandAndKeepsTheOthers) {
  MemoryProfile profile;
  profile.Set("Husen2", {"Text=old", "Extra=kept", "textasternum=4", "id=7", "ID=8"});
  SettingsFile file(profile);
  Note note;
  note.InUse = true;
  note.ID = 3;
  note.Text = "new";
  file.SaveNote(1, note);
  const std::vector<std::string> expected = {
      "Text=new",  "Extra=kept", "textasternum=4",         "id=3",       "ID=8",      "Priority=0", "PosX=0", "PosY=0",
      "Width=200", "Type=0",     "FontName=ＭＳ ゴシック", "FontSize=8", "TextRed=0", "TextAster=0"};
  EXPECT_EQ(profile.sections["Husen2"], expected);
}

TEST(SettingsFile, NoteWithoutLayerObjectStaysLoadable) {
  MemoryProfile profile;
  SettingsFile file(profile);
  Note note;
  note.InUse = true;
  note.ID = kNoObject;
  note.Text = "keep me";
  file.SaveNote(4, note);
  NoteTable table;
  file.ReadNotes(&table);
  EXPECT_TRUE(table[4].InUse);
  EXPECT_EQ(table[4].Text, "keep me");
}

TEST(SettingsFile, SmallWritesAndRemoval) {
  MemoryProfile profile;
  SettingsFile file(profile);
  Note note;
  note.Priority = 5;
  note.PosX = -1;
  note.PosY = 2;
  SystemSettings s;
  s.HotKeyShow = "space";
  file.SavePriority(3, note);
  file.SavePosition(3, note);
  file.SaveFloating(1);
  file.SaveFloating(0);
  file.RemoveNote(4);
  file.SaveSystemSettings(s);
  const std::vector<std::string> expected = {"Husen4.Priority=5",
                                             "Husen4.PosX=-1",
                                             "Husen4.PosY=2",
                                             "System.Floating=On",
                                             "System.Floating=Off",
                                             "remove Husen5",
                                             "System.HotKeyCreateC=F1",
                                             "System.HotKeyCreateM=F2",
                                             "System.HotKeyCreateY=F3",
                                             "System.HotKeyShow=space",
                                             "System.Width=200",
                                             "System.Height=30",
                                             "System.FontName=ＭＳ ゴシック",
                                             "System.FontSize=8"};
  EXPECT_EQ(profile.writes, expected);
}

TEST(NoteTable, PrioritiesBecomeADenseRanking) {
  NoteTable table;
  const int32_t stored[] = {5, 9, 9, 12, 7};
  for (int i = 0; i < 5; ++i) {
    table[i].InUse = true;
    table[i].Priority = stored[i];
  }
  table[5].Priority = -100;  // an empty slot takes no part
  table.NormalisePriorities();
  const int32_t expected[] = {0, 2, 2, 3, 1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table[i].Priority, expected[i]) << i;
  EXPECT_EQ(table[5].Priority, -100);
  EXPECT_EQ(table.NextPriority, 4);
}

TEST(NoteTable, RankingSurvivesThe32BitExtremes) {
  NoteTable table;
  table[0].InUse = table[1].InUse = table[2].InUse = true;
  table[0].Priority = INT32_MAX;
  table[1].Priority = INT32_MIN;
  table[2].Priority = 0;
  table.NormalisePriorities();
  EXPECT_EQ(table[0].Priority, 2);
  EXPECT_EQ(table[1].Priority, 0);
  EXPECT_EQ(table[2].Priority, 1);
  EXPECT_EQ(table.NextPriority, 3);
}

TEST(NoteTable, EqualAndSinglePriorities) {
  NoteTable table;
  table[3].InUse = table[8].InUse = true;
  table[3].Priority = table[8].Priority = 3;
  table.NormalisePriorities();
  EXPECT_EQ(table[3].Priority, 0);
  EXPECT_EQ(table[8].Priority, 0);
  EXPECT_EQ(table.NextPriority, 1);

  NoteTable single;
  single[0].InUse = true;
  single[0].Priority = 40;
  single.NormalisePriorities();
  EXPECT_EQ(single[0].Priority, 0);
  EXPECT_EQ(single.TakeNextPriority(), 1);
  EXPECT_EQ(single.NextPriority, 2);
}

TEST(NoteTable, FindSlotAndFirstEmptySlot) {
  NoteTable table;
  EXPECT_EQ(table.FindSlot(-1), kNoSlot);
  table[2].InUse = true;
  table[2].ID = 7;
  table[5].InUse = true;
  table[5].ID = 7;
  table[0].ID = 9;  // not in use: never found
  EXPECT_EQ(table.FindSlot(7), 2);
  EXPECT_EQ(table.FindSlot(9), kNoSlot);
  EXPECT_EQ(table.FirstEmptySlot(), 0);
  for (int i = 0; i < kSlotCount; ++i) table[i].InUse = true;
  EXPECT_EQ(table.FirstEmptySlot(), kNoSlot);
}

}  // namespace
}  // namespace zettrella

namespace zettrella {
namespace {

TEST(SectionValue, FindsKeysAsTheProfileFunctionsDo) {
  const std::vector<std::string> lines = {"text=first",  "Text=second", "Quoted=\"a b\"", "Single='x'",
                                          "Half=\"open", "NoEquals",    "Empty="};
  EXPECT_EQ(SectionValue(lines, "TEXT", "d", 1023), "first");
  EXPECT_EQ(SectionValue(lines, "Quoted", "d", 1023), "a b");
  EXPECT_EQ(SectionValue(lines, "Single", "d", 1023), "x");
  EXPECT_EQ(SectionValue(lines, "Half", "d", 1023), "\"open");
  EXPECT_EQ(SectionValue(lines, "NoEquals", "d", 1023), "d");
  EXPECT_EQ(SectionValue(lines, "Empty", "d", 1023), "");
  EXPECT_EQ(SectionValue(lines, "Missing", "dflt", 2), "df");
  EXPECT_EQ(SectionValue(lines, "text", "d", 3), "fir");
}

TEST(SettingsFile, UnchangedSectionIsNotWrittenAgain) {
  MemoryProfile profile;
  SettingsFile file(profile);
  Note note;
  note.InUse = true;
  note.ID = 1;
  note.Text = "same";
  file.SaveNote(0, note);
  file.SaveNote(0, note);
  EXPECT_EQ(profile.writes.size(), 1u);
  note.PosX = 5;
  file.SaveNote(0, note);
  EXPECT_EQ(profile.writes.size(), 2u);
}

// Changes kept while the file is out of reach, folded and made again later,
// leave the file exactly as making each of them at once would have.
TEST(PendingChanges, FoldedChangesGiveTheSameFileAsEachChangeAtOnce) {
  std::mt19937 random(7);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int trial = 0; trial < 200; ++trial) {
    MemoryProfile direct, later;
    PendingChanges pending;
    for (int step = 0; step < 12; ++step) {
      ProfileChange change;
      change.Section = pick(2) ? "Husen1" : "husen2";
      change.Type = static_cast<ProfileChange::Kind>(pick(3));
      change.Values = {{pick(2) ? "PosX" : "posy", std::to_string(step)}};
      if (pick(2)) change.Values.emplace_back("Text", "t%0A\r\n" + std::to_string(step));
      change.Lines = {"ID=" + std::to_string(step), "PosX=1"};
      pending.Add(change);
      auto apply = [&](MemoryProfile& profile, const ProfileChange& c) {
        if (c.Type == ProfileChange::Kind::kRemoveSection) profile.RemoveSection(c.Section.c_str());
        if (c.Type == ProfileChange::Kind::kSection) profile.WriteSection(c.Section.c_str(), c.Lines);
        if (c.Type == ProfileChange::Kind::kKeys) profile.WriteKeys(c.Section.c_str(), c.Values);
      };
      apply(direct, change);
      if (pick(4) == 0 || step == 11) {
        // Through the side file's text, as after a kill.
        PendingChanges kept;
        kept.AddFromText(pending.Text());
        for (const ProfileChange& c : kept.changes()) apply(later, c);
        pending.Clear();
      }
    }
    ASSERT_EQ(later.sections, direct.sections) << "trial " << trial;
  }
  // Folding keeps one change per key however often it changes.
  PendingChanges pending;
  for (int i = 0; i < 1000; ++i) pending.Add({ProfileChange::Kind::kKeys, "Husen1", {{"PosX", std::to_string(i)}}, {}});
  EXPECT_EQ(pending.changes().size(), 1u);
  // A side file cut short by a crash loses only its unfinished line.
  pending.Add({ProfileChange::Kind::kSection, "Husen2", {}, {"ID=2", "Text=abc"}});
  const std::string text = pending.Text();
  PendingChanges cut;
  cut.AddFromText(text.substr(0, text.size() - 4));
  ASSERT_EQ(cut.changes().size(), 2u);
  EXPECT_EQ(cut.changes()[1].Lines, std::vector<std::string>{"ID=2"});
}

}  // namespace
}  // namespace zettrella
