// The note program started on settings files nobody should write: random
// bytes, numbers beyond every range, oversized notes, repeated sections,
// and a file it may not write to. It must start, answer, keep the notes it
// can read and end cleanly.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/protocol.h"
#include "tests/support/zettrella_run.h"

namespace zettrella::testing {
namespace {

using Calls = std::vector<std::string>;

constexpr DWORD kAnswerMs = 5000;

// Starts the program, checks that it answers and still runs, then quits it
// and expects a clean end.
void StartAnswerAndQuit(ZettrellaRun& run) {
  ASSERT_TRUE(run.Start()) << "did not start";
  EXPECT_TRUE(Answers(run.window(), kAnswerMs));
  EXPECT_TRUE(run.process().Running());
  ASSERT_TRUE(run.Quit()) << "did not end";
  EXPECT_EQ(run.process().ExitCode(), 0u);
}

// A settings file of noise with the shapes that trip line readers: zero
// bytes, CR-only and LF-only line ends, a very long line, and section and
// key lines mixed in so that the noise lands inside real sections.
std::string NoiseSettings(uint32_t seed) {
  Noise noise(seed);
  static const std::string kPieces[] = {
      "[System]",
      "[Husen1]",
      "[Husen100]",
      "[Husen",
      "ID=",
      "Text=",
      "TrayDelay=",
      "HotKeyShow=",
      "FontName=",
      "Width=",
      "Priority=",
      "=",
      "[",
      "]",
      "\r",
      "\n",
      "\r\n",
      "\\n",
      "\x83\\",
      "TextAsterNum=",
      std::string(1, '\0'),
  };
  std::string text;
  while (text.size() < 24 * 1024) {
    switch (noise.Below(6)) {
      case 0:
        text += noise.Bytes(noise.Below(200));
        break;
      case 1:
        text += std::string(1, '\0') + noise.Bytes(noise.Below(8)) + std::string(noise.Below(4), '\0');
        break;
      case 2:
        text += kPieces[noise.Below(sizeof kPieces / sizeof kPieces[0])];
        break;
      case 3:
        text += "ID=" + std::to_string(noise.Below(200)) + "\r";  // a CR-only line
        break;
      case 4:
        text += "[Husen" + std::to_string(noise.Below(110)) + "]\n";
        break;
      default:
        if (noise.Below(8) == 0) text += "Text=" + std::string(70000 + noise.Below(1000), 'L') + "\r\n";
        break;
    }
  }
  return text;
}

class RandomSettings : public ::testing::TestWithParam<uint32_t> {};

TEST_P(RandomSettings, StartAnswerAndEndCleanly) {
  ZettrellaRun run(NoiseSettings(GetParam()));
  StartAnswerAndQuit(run);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSettings, ::testing::Values(1u, 2u, 3u, 4u, 5u));

// Every key of System and of a note set to one number text (the text keys
// too: a font or hot-key name may be a number).
std::string ExtremeSettings(const std::string& number) {
  std::string ini = "[System]\r\nTrayDelay=" + number + "\r\nWidth=" + number + "\r\nHeight=" + number +
                    "\r\nFontSize=" + number + "\r\nFloating=" + number + "\r\nFontName=" + number +
                    "\r\nHotKeyCreateC=" + number + "\r\nHotKeyCreateM=" + number + "\r\nHotKeyCreateY=" + number +
                    "\r\nHotKeyShow=" + number + "\r\n";
  const std::string keys = "Priority=" + number + "\r\nPosX=" + number + "\r\nPosY=" + number + "\r\nWidth=" + number +
                           "\r\nType=" + number + "\r\nFontSize=" + number + "\r\nTextRed=" + number +
                           "\r\nTextAster=" + number + "\r\nTextAsterNum=" + number + "\r\nFontName=" + number + "\r\n";
  // Three notes whose other numbers are extreme, and a slot whose id is too.
  for (int k = 1; k <= 3; ++k) {
    ini += NoteSection(k, "ID=" + std::to_string(k - 1) + "\r\n" + keys + "Text=note " + std::to_string(k) + "\r\n");
  }
  ini += NoteSection(4, "ID=" + number + "\r\n" + keys + "Text=note 4\r\n");
  return ini;
}

// The sections of the file that the program reads back as notes: an ID
// of 0 or more.
std::vector<std::string> NoteTexts(const ZettrellaRun& run) {
  std::vector<std::string> texts;
  for (int k = 1; k <= 100; ++k) {
    const std::string section = "Husen" + std::to_string(k);
    const std::string id = run.Ini(section, "ID");
    if (id == "<missing>" || id.empty() || id[0] == '-') continue;
    texts.push_back(run.Ini(section, "Text"));
  }
  return texts;
}

class ExtremeNumbers : public ::testing::TestWithParam<const char*> {};

TEST_P(ExtremeNumbers, StartAnswerEndAndKeepTheNotes) {
  ZettrellaRun run(ExtremeSettings(GetParam()));
  ASSERT_TRUE(run.Start());
  EXPECT_TRUE(Answers(run.window(), kAnswerMs));
  const size_t firstCreates = CallsNamed(run.Calls(), "_create(").size();
  const bool idIsNote = GetParam()[0] != '-';
  EXPECT_EQ(firstCreates, idIsNote ? 4u : 3u);
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);

  const std::vector<std::string> texts = NoteTexts(run);
  const std::vector<std::string> expected = idIsNote ? std::vector<std::string>{"note 1", "note 2", "note 3", "note 4"}
                                                     : std::vector<std::string>{"note 1", "note 2", "note 3"};
  EXPECT_EQ(texts, expected) << run.IniBytes();

  // What it left is read again as the same notes.
  ASSERT_TRUE(run.Start());
  EXPECT_EQ(CallsNamed(run.Calls(), "_create(").size(), firstCreates);
  EXPECT_TRUE(Answers(run.window(), kAnswerMs));
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
  EXPECT_EQ(NoteTexts(run), expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, ExtremeNumbers,
                         ::testing::Values("-2147483648", "2147483647", "-2147483649", "2147483648",
                                           "99999999999999999999999999999999999999999999",
                                           "-99999999999999999999999999999999999999999999"));

// 100 notes of 5000 bytes each: "a" then two-byte characters, so that the
// 1024-byte limit falls inside a character.
TEST(LargeSettings, HundredLongNotesAreAllShownAndCutOnACharacterBoundary) {
  std::string text = "a";
  while (text.size() + 2 <= 5000) text += "\x82\xA0";
  text += "z";
  ASSERT_EQ(text.size(), 5000u);
  std::string ini = "[System]\r\nTrayDelay=0\r\n";
  for (int k = 1; k <= 100; ++k) ini += NoteSection(k, "ID=" + std::to_string(k - 1) + "\r\nText=" + text + "\r\n");

  ZettrellaRun one(NoteSection(1, "ID=0\r\nText=" + text + "\r\n"));
  ASSERT_TRUE(one.Start());
  const ProcessMemory oneNote = MemoryOf(one.process().Handle());
  ASSERT_TRUE(one.Quit());

  ZettrellaRun run(ini);
  ASSERT_TRUE(run.Start());
  EXPECT_TRUE(Answers(run.window(), kAnswerMs));
  const ProcessMemory hundred = MemoryOf(run.process().Handle());
  const Calls calls = run.Calls();
  EXPECT_EQ(Builds(calls).size(), 100u);
  EXPECT_EQ(CallsNamed(calls, "_create(").size(), 100u);

  const std::string cut = text.substr(0, 1023);  // "a" and 511 whole characters
  int wrong = 0;
  for (int k = 1; k <= 100; ++k) {
    const std::string saved = run.Ini("Husen" + std::to_string(k), "Text");
    if (saved == cut) continue;
    // One message is enough: the texts are long.
    if (wrong++ == 0)
      ADD_FAILURE() << "note " << k << " saved " << saved.size() << " bytes ending in 0x" << std::hex
                    << (saved.empty() ? 0 : static_cast<unsigned char>(saved.back()) + 0);
  }
  EXPECT_EQ(wrong, 0);
  // 100 notes hold at most 100 KB of text; the rest is the program itself.
  ASSERT_GT(oneNote.privateBytes, 0u);
  EXPECT_LT(hundred.privateBytes, oneNote.privateBytes + 16 * 1024 * 1024)
      << oneNote.privateBytes << " -> " << hundred.privateBytes;
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
}

// Sections that occur twice (a hand edit that adds a second System section
// for TrayDelay, notes pasted from another computer's file, names that differ
// only in case): the first is read and saved as always, the second keeps its
// note, and no save is blocked.
TEST(RepeatedSections, SavesReachTheFileAndTheSecondSectionStays) {
  const std::string tail = "[husen1]\r\nID=5\r\nText=pasted\r\n[System]\r\nTrayDelay=60\r\n";
  ZettrellaRun run("[System]\r\nTrayDelay=0\r\n[Husen1]\r\nID=0\r\nText=a\r\n" + tail);
  ASSERT_TRUE(run.Start());
  PostMessageA(run.window(), WM_HOTKEY, 0, 0);  // a new cyan note
  EXPECT_TRUE(PumpUntil([&] { return run.Ini("Husen2", "ID") != "<missing>"; }));
  ASSERT_TRUE(run.Quit());
  EXPECT_NE(run.IniBytes().find(tail), std::string::npos);
  EXPECT_EQ(run.Ini("Husen1", "Text"), "a");
  EXPECT_NE(run.Ini("Husen1", "ID"), "0");
}

// The settings file cannot be written: every change stays in memory and
// later actions build on it, and the file keeps its bytes.
TEST(ReadOnlySettings, ChangesStayInMemoryAndTheFileIsUntouched) {
  const std::string ini =
      "[System]\r\nTrayDelay=0\r\n"
      "[Husen1]\r\nID=0\r\nPriority=0\r\nPosX=50\r\nPosY=60\r\nText=a\r\n"
      "[Husen2]\r\nID=1\r\nPriority=1\r\nPosX=300\r\nPosY=400\r\nText=b\r\n";
  ZettrellaRun run(ini);
  const std::string file = run.File("Zettrella.ini");
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
  // A user with every right (these tests may run as root, which Unix lets
  // write a read-only file) is still kept out by a handle that shares the
  // file for reading only.
  HANDLE guard = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(guard, INVALID_HANDLE_VALUE);
  struct Release {
    HANDLE handle;
    ~Release() { CloseHandle(handle); }
  } release{guard};
  // The file really refuses writes here, or the case proves nothing.
  ASSERT_FALSE(WritePrivateProfileStringA("Probe", "Key", "1", file.c_str()));

  ASSERT_TRUE(run.Start());
  run.Mark();
  ASSERT_EQ(run.Send(Record(kEventLButtonDown, 100, 10, 10)), 1);
  ASSERT_EQ(run.Send(Record(kEventMouseMove, 100, 30, 40)), 1);
  ASSERT_EQ(run.Send(Record(kEventLButtonUp, 100, 30, 40)), 1);
  ASSERT_EQ(run.Send(Record(kEventLButtonDown, 101, 0, 0)), 1);
  ASSERT_EQ(run.Send(Record(kEventLButtonUp, 101, 0, 0)), 1);
  // Each raise took the priority after the one before, which only the
  // table in memory knows.
  ASSERT_EQ(run.Send(Record(kEventLButtonDown, 100, 0, 0)), 1);
  const Calls priorities = CallsNamed(run.NewCalls(), "_set_priority(");
  EXPECT_EQ(priorities, (Calls{"_set_priority(100,2)", "_set_priority(101,3)", "_set_priority(100,4)"}));
  EXPECT_TRUE(Answers(run.window(), kAnswerMs));
  EXPECT_TRUE(run.process().Running());
  EXPECT_EQ(run.IniBytes(), ini);

  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
  EXPECT_EQ(run.IniBytes(), ini);
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace zettrella::testing
