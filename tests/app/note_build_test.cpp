// The note program's note building at start-up, seen through the recording
// layer and the settings file it leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/protocol.h"
#include "tests/support/zettrella_run.h"

namespace zettrella::testing {
namespace {

using Calls = std::vector<std::string>;

struct StoredNote {
  explicit StoredNote(int inSection) : section(inSection) {}
  int section;  // "Husen<section>"
  int id = 0;
  int priority = 0;
  int posX = 10;
  int posY = 20;
  int width = 200;
  int type = 0;
  std::string text;
  int textRed = 0;
};

std::string NoteSection(const StoredNote& note) {
  return "[Husen" + std::to_string(note.section) + "]\r\nID=" + std::to_string(note.id) +
         "\r\nPriority=" + std::to_string(note.priority) + "\r\nPosX=" + std::to_string(note.posX) +
         "\r\nPosY=" + std::to_string(note.posY) + "\r\nWidth=" + std::to_string(note.width) +
         "\r\nType=" + std::to_string(note.type) + "\r\nFontName=ＭＳ ゴシック\r\nFontSize=8\r\nText=" + note.text +
         "\r\nTextRed=" + std::to_string(note.textRed) + "\r\nTextAster=0\r\n";
}

std::string IniWith(const std::vector<StoredNote>& notes, const std::string& system = "") {
  std::string ini = "[System]\r\nTrayDelay=0\r\n" + system;
  for (const StoredNote& note : notes) ini += NoteSection(note);
  return ini;
}

// One logged call: its name, its arguments (a quoted text or a {rectangle}
// is one argument) and what it returned ("" when nothing).
struct Call {
  std::string name;
  std::vector<std::string> args;
  std::string result;
};

Call ParseCall(const std::string& line) {
  Call call;
  const size_t open = line.find('(');
  call.name = line.substr(0, open);
  const size_t close = line.rfind(')');
  if (close + 2 <= line.size() && line[close + 1] == '=') call.result = line.substr(close + 2);
  std::string arg;
  bool quoted = false;
  int braces = 0;
  for (size_t k = open + 1; k < close; ++k) {
    const char c = line[k];
    if (c == '\\' && quoted && k + 1 < close) {
      arg += c;
      arg += line[++k];
      continue;
    }
    if (c == '"') quoted = !quoted;
    braces += c == '{' ? 1 : c == '}' ? -1 : 0;
    if (c == ',' && !quoted && braces == 0) {
      call.args.push_back(arg);
      arg.clear();
    } else {
      arg += c;
    }
  }
  if (open + 1 < close) call.args.push_back(arg);
  return call;
}

using Args = std::vector<std::string>;

// A build is one fixed sequence: under the drawing lock, the note's font
// is made, its text wrapped to the card's width less the margins and
// measured, a new object made at the note's place with its priority, a
// bitmap of the card's width and the measured height plus the bottom margin
// set as the object's image, filled below a black top line, the text drawn
// where it was measured, the font deleted and the image shown.
void ExpectCardBuild(const Calls& build, const StoredNote& note, int priority, const std::string& shown) {
  std::vector<Call> c;
  std::vector<std::string> names;
  for (const std::string& line : build) {
    c.push_back(ParseCall(line));
    names.push_back(c.back().name);
  }
  ASSERT_EQ(names, (std::vector<std::string>{"_lock_draw", "_create_font", "_word_wrap", "_draw_text", "_create",
                                             "_create_bitmap", "_set_image_h", "_fill_rect", "_draw_line", "_draw_text",
                                             "_delete_font", "_update_image_h", "_unlock_draw"}));
  const std::string font = c[1].result;
  const std::string width = std::to_string(note.width);
  const std::string right = std::to_string(note.width - 5);
  EXPECT_EQ(c[1].args, (Args{"\"ＭＳ ゴシック\"", "8"}));
  EXPECT_EQ(c[2].args, (Args{"\"" + shown + "\"", font, std::to_string(note.width - 10)}));
  const Args& measured = c[3].args;
  ASSERT_EQ(measured.size(), 6u);
  EXPECT_EQ(measured[0], "0");
  EXPECT_EQ(measured[1], c[2].args[0]);
  EXPECT_EQ(measured[2], font);
  EXPECT_EQ(measured[4], "{5,6," + right + ",0}");
  EXPECT_EQ(measured[5], "1024");
  EXPECT_EQ(c[4].args,
            (Args{std::to_string(note.posX), std::to_string(note.posY), "0", "0", std::to_string(priority)}));
  const std::string id = c[4].result;
  const std::string bitmap = c[5].result;
  ASSERT_EQ(c[5].args.size(), 2u);
  EXPECT_EQ(c[5].args[0], width);
  const int height = std::stoi(c[5].args[1]);
  const std::string extra = std::to_string(std::stoi(bitmap) + 4000);
  EXPECT_EQ(c[6].args, (Args{id, bitmap, extra}));
  ASSERT_EQ(c[7].args.size(), 7u);
  EXPECT_EQ(Args(c[7].args.begin(), c[7].args.end() - 1),
            (Args{bitmap, extra, "0", "1", width, std::to_string(height - 1)}));
  EXPECT_EQ(c[8].args, (Args{bitmap, extra, "0", "0", std::to_string(note.width - 1), "0", "000000"}));
  // The text is drawn where it was measured; the card is its measured
  // height and the bottom margin, or the default height of 30 when more.
  ASSERT_EQ(c[9].args.size(), 6u);
  EXPECT_EQ(Args(c[9].args.begin(), c[9].args.begin() + 4), (Args{bitmap, measured[1], font, measured[3]}));
  const std::string drawnPrefix = "{5,6," + right + ",";
  ASSERT_EQ(c[9].args[4].rfind(drawnPrefix, 0), 0u) << c[9].args[4];
  const int bottom = std::stoi(c[9].args[4].substr(drawnPrefix.size()));
  EXPECT_GE(bottom, 6);
  EXPECT_EQ(height, std::max(bottom + 5, 30));
  EXPECT_EQ(c[9].args[5], "0");
  EXPECT_EQ(c[10].args, Args{font});
  EXPECT_EQ(c[11].args, Args{id});
}

TEST(NoteBuild, BuildsOfEveryKindFollowTheCardSequenceAndSaveTheNewIds) {
  std::vector<StoredNote> notes(3, StoredNote{0});
  for (size_t i = 0; i < notes.size(); ++i) notes[i].section = static_cast<int>(i) + 1;
  notes[0].id = 3;
  notes[0].priority = 4;
  notes[0].posX = 412;
  notes[0].posY = 96;
  notes[0].type = 2;
  notes[0].text = "first line\\nsecond line";
  notes[1].priority = 1;
  notes[1].width = 300;
  notes[2].priority = 9;
  notes[2].type = 1;
  notes[2].textRed = 1;
  notes[2].text = "one\\ntwo\\nthree";
  ZettrellaRun run(IniWith(notes));
  ASSERT_TRUE(run.Start());
  const Calls calls = run.Calls();
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(calls[0], "_load(\"" + run.dir().path() + "\")");
  EXPECT_EQ(calls[1], "_floating(0)");
  EXPECT_EQ(calls[2].rfind("_attach(", 0), 0u);

  // Start-up gives each note a new object: there is no old object or bitmap
  // to delete yet, and the priorities are the normalised ones.
  const auto builds = Builds(calls);
  ASSERT_EQ(builds.size(), 3u);
  const int priorities[] = {1, 0, 2};
  const char* shown[] = {"first line\\r\\nsecond line", "", "one\\r\\ntwo\\r\\nthree"};
  for (size_t i = 0; i < builds.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectCardBuild(builds[i], notes[i], priorities[i], shown[i]);
  }
  EXPECT_TRUE(CallsNamed(calls, "_delete(").empty());
  EXPECT_TRUE(CallsNamed(calls, "_delete_bitmap(").empty());

  EXPECT_EQ(run.Ini("Husen1", "ID"), "100");
  EXPECT_EQ(run.Ini("Husen1", "Priority"), "1");
  EXPECT_EQ(run.Ini("Husen1", "PosX"), "412");
  EXPECT_EQ(run.Ini("Husen1", "Text"), "first line\\nsecond line");

  ASSERT_TRUE(run.Quit());
  const Calls after = run.Calls();
  ASSERT_GE(after.size(), 2u);
  // The end deletes every card's bitmap, then unloads the layer.
  Calls deleted = CallsNamed(after, "_delete_bitmap(");
  std::sort(deleted.begin(), deleted.end());
  EXPECT_EQ(deleted, (Calls{"_delete_bitmap(1000)", "_delete_bitmap(1001)", "_delete_bitmap(1002)"}));
  EXPECT_EQ(after[after.size() - 2].rfind("_delete_bitmap(", 0), 0u);
  EXPECT_EQ(after.back(), "_unload()");
}

// The card and text colours of every type, red text, and the white text on
// the black card of a hand-edited type.
TEST(NoteBuild, ColoursOfTheCardAndText) {
  std::vector<StoredNote> notes;
  for (int type : {0, 1, 2, 1, 7}) {
    StoredNote note{static_cast<int>(notes.size()) + 1};
    note.type = type;
    note.text = "x";
    note.textRed = notes.size() == 3 ? 1 : 0;
    notes.push_back(note);
  }
  ZettrellaRun run(IniWith(notes));
  ASSERT_TRUE(run.Start());
  const auto builds = Builds(run.Calls());
  ASSERT_EQ(builds.size(), 5u);
  const struct {
    const char* background;
    const char* text;
  } expected[] = {
      {"7FFFFF", "008080"}, {"FF7FFF", "800080"}, {"FFFF7F", "808000"}, {"FF7FFF", "FF0000"}, {"000000", "FFFFFF"}};
  for (size_t i = 0; i < builds.size(); ++i) {
    SCOPED_TRACE(i);
    const int bitmap = kFirstRecordedBitmap + static_cast<int>(i);
    const std::string image = std::to_string(bitmap) + "," + std::to_string(bitmap + 4000);
    const std::string font = std::to_string(i + 1);
    EXPECT_EQ(CallsNamed(builds[i], "_fill_rect(").at(0),
              "_fill_rect(" + image + ",0,1,200,29," + expected[i].background + ")");
    EXPECT_EQ(CallsNamed(builds[i], "_draw_line(").at(0), "_draw_line(" + image + ",0,0,199,0,000000)");
    const std::string drawn = "\"x\"," + font + "," + expected[i].text + ",{5,6,195,";
    EXPECT_EQ(CallsNamed(builds[i], "_draw_text(0,").at(0), "_draw_text(0," + drawn + "0},1024)");
    EXPECT_EQ(CallsNamed(builds[i], "_draw_text(" + std::to_string(bitmap)).at(0),
              "_draw_text(" + std::to_string(bitmap) + "," + drawn + "20},0)");
  }
}

// The card is the measured text + 5 high, never less than the System
// Height; its width and the wrap width follow the note's Width.
TEST(NoteBuild, HeightFollowsTheTextWithTheDefaultAsLeast) {
  std::vector<StoredNote> notes(4, StoredNote{0});
  const char* texts[] = {"", "\\n \t \\n\\n", "one\\ntwo\\nthree", "a"};
  for (size_t i = 0; i < notes.size(); ++i) {
    notes[i].section = static_cast<int>(i) + 1;
    notes[i].text = texts[i];
  }
  notes[3].width = 300;
  ZettrellaRun run(IniWith(notes, "Height=40\r\n"));
  ASSERT_TRUE(run.Start());
  const auto builds = Builds(run.Calls());
  ASSERT_EQ(builds.size(), 4u);
  // An empty text and a text of blanks only go over as (null, 0).
  for (int i : {0, 1}) {
    SCOPED_TRACE(i);
    EXPECT_EQ(CallsNamed(builds[i], "_word_wrap(").at(0), "_word_wrap(\"\"," + std::to_string(i + 1) + ",190)");
    EXPECT_EQ(CallsNamed(builds[i], "_create_bitmap(").at(0),
              "_create_bitmap(200,40)=" + std::to_string(kFirstRecordedBitmap + i));
  }
  // Three lines measure 42 pixels from the top at 6: 6 + 42 + 5.
  EXPECT_EQ(CallsNamed(builds[2], "_create_bitmap(").at(0), "_create_bitmap(200,53)=1002");
  EXPECT_EQ(CallsNamed(builds[2], "_fill_rect(").at(0), "_fill_rect(1002,5002,0,1,200,52,7FFFFF)");
  EXPECT_EQ(CallsNamed(builds[3], "_word_wrap(").at(0), "_word_wrap(\"a\",4,290)");
  EXPECT_EQ(CallsNamed(builds[3], "_create_bitmap(").at(0), "_create_bitmap(300,40)=1003");
  EXPECT_EQ(CallsNamed(builds[3], "_draw_line(").at(0), "_draw_line(1003,5003,0,0,299,0,000000)");
}

TEST(NoteBuild, StartUpRebuildsStoredNotesWithNormalisedPriorities) {
  // Priorities 5, 9, 9, 12, 7 rank as 0, 2, 2, 3, 1. Section 5 is empty
  // (ID -1) although it holds other keys, and is left alone.
  std::vector<StoredNote> notes;
  const int stored[] = {5, 9, 9, 12, -1, 7};
  for (int i = 0; i < 6; ++i) {
    StoredNote note{i + 1};
    note.priority = stored[i];
    note.posX = 10 * i;
    if (i == 4) note.id = -1;
    notes.push_back(note);
  }
  ZettrellaRun run(IniWith(notes));
  ASSERT_TRUE(run.Start());
  EXPECT_EQ(CallsNamed(run.Calls(), "_create("),
            (Calls{"_create(0,20,0,0,0)=100", "_create(10,20,0,0,2)=101", "_create(20,20,0,0,2)=102",
                   "_create(30,20,0,0,3)=103", "_create(50,20,0,0,1)=104"}));
  const char* ids[] = {"100", "101", "102", "103", "-1", "104"};
  const char* priorities[] = {"0", "2", "2", "3", "-1", "1"};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const std::string section = "Husen" + std::to_string(i + 1);
    EXPECT_EQ(run.Ini(section, "ID"), ids[i]);
    EXPECT_EQ(run.Ini(section, "Priority"), i == 4 ? "-1" : priorities[i]);
  }
  // Only the notes' own sections are saved.
  EXPECT_EQ(run.Ini("Husen7", "ID"), "<missing>");
  // The next note brought to the front lies above all of them.
  run.Mark();
  EXPECT_EQ(run.Send(Record(kEventLButtonDown, 100, 1, 1)), 1);
  EXPECT_EQ(CallsNamed(run.NewCalls(), "_set_priority("), Calls{"_set_priority(100,4)"});
}

// Start-up shows every note before it saves their sections; what it saves
// is what one save per build saved, so a second start writes nothing.
TEST(NoteBuild, StartUpSavesEveryNoteOnceAndASecondStartFindsNothingToSave) {
  std::vector<StoredNote> notes;
  for (int i = 0; i < 3; ++i) {
    StoredNote note{2 * i + 1};
    note.id = 7;
    note.priority = 3 - i;
    note.text = "note " + std::to_string(i);
    notes.push_back(note);
  }
  ZettrellaRun run(IniWith(notes));
  ASSERT_TRUE(run.Start());
  ASSERT_EQ(CallsNamed(run.Calls(), "_unlock_draw(").size(), 3u);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const std::string section = "Husen" + std::to_string(2 * i + 1);
    EXPECT_EQ(run.Ini(section, "ID"), std::to_string(100 + i));
    EXPECT_EQ(run.Ini(section, "Priority"), std::to_string(2 - i));
    EXPECT_EQ(run.Ini(section, "Text"), "note " + std::to_string(i));
  }
  EXPECT_EQ(run.Ini("Husen2", "ID"), "<missing>");
  ASSERT_TRUE(run.Quit());
  const std::string saved = run.IniBytes();

  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.IniBytes(), saved);
}

// A layer that cannot make objects, or no layer at all, must not cost a
// stored note: the note stays in its section and the next run shows it.
TEST(NoteBuild, NotesSurviveAFailingOrMissingLayer) {
  for (Layer broken : {Layer::kRecordingFailCreate, Layer::kNone}) {
    SCOPED_TRACE(broken == Layer::kNone ? "no layer" : "fail-create");
    StoredNote first{1};
    first.text = "keep me";
    first.priority = 3;
    StoredNote second{2};
    second.type = 2;
    second.posX = 300;
    ZettrellaRun run(IniWith({first, second}), broken);
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.Quit());
    EXPECT_EQ(run.Ini("Husen1", "ID"), "0");
    EXPECT_EQ(run.Ini("Husen1", "Text"), "keep me");
    EXPECT_EQ(run.Ini("Husen2", "ID"), "0");
    EXPECT_EQ(run.Ini("Husen2", "PosX"), "300");
    EXPECT_EQ(run.Ini("Husen2", "Type"), "2");

    run.UseLayer(Layer::kRecording);
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(CallsNamed(run.Calls(), "_create("), (Calls{"_create(10,20,0,0,1)=100", "_create(300,20,0,0,0)=101"}));
    EXPECT_EQ(CallsNamed(run.Calls(), "_word_wrap(").at(0), "_word_wrap(\"keep me\",1,190)");
    EXPECT_EQ(run.Ini("Husen1", "ID"), "100");
    EXPECT_EQ(run.Ini("Husen2", "ID"), "101");
  }
}

}  // namespace
}  // namespace zettrella::testing
