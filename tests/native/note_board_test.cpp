// The board's operations on the table, the layer and the settings file,
// against an in-memory profile and a layer that records its calls.
#include "notes/board/note_board.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>
#include <vector>

#include "tests/native/memory_profile.h"

namespace zettrella {
namespace {

using Lines = std::vector<std::string>;

// Hands out ids and bitmaps from 1 up, keeps each object's place, and
// records every call that is not part of drawing a card.
class RecordingLayer : public NoteLayer {
 public:
  Lines& calls;
  explicit RecordingLayer(Lines& record) : calls(record) {}

  void Unload() override { calls.push_back("unload"); }
  void Floating(int32_t on) override { calls.push_back("floating " + std::to_string(on)); }
  void Attach(int32_t window) override { calls.push_back("attach " + std::to_string(window)); }
  int32_t Create(int32_t x, int32_t y, int32_t priority) override {
    const int32_t id = nextId_++;
    places_[id] = {x, y};
    calls.push_back("create " + std::to_string(id) + " at " + std::to_string(x) + "," + std::to_string(y) + " p" +
                    std::to_string(priority));
    return id;
  }
  void Delete(int32_t id) override { calls.push_back("delete " + std::to_string(id)); }
  void Move(int32_t id, int32_t dx, int32_t dy) override {
    places_[id].first += dx;
    places_[id].second += dy;
    calls.push_back("move " + std::to_string(id) + " by " + std::to_string(dx) + "," + std::to_string(dy));
  }
  int32_t GetPosX(int32_t id) override { return places_[id].first; }
  int32_t GetPosY(int32_t id) override { return places_[id].second; }
  void SetPriority(int32_t id, int32_t priority) override {
    calls.push_back("priority " + std::to_string(id) + " p" + std::to_string(priority));
  }
  void Redraw() override { calls.push_back("redraw"); }
  void UpdateDesktopSize() override { calls.push_back("desktop"); }
  void LockDraw() override {}
  void UnlockDraw() override {}
  int32_t MakeFont(std::string_view, int32_t) override { return 1; }
  void DeleteFont(int32_t) override {}
  std::string WordWrap(std::string_view text, int32_t, int32_t) override { return std::string(text); }
  void PaintText(int32_t, std::string_view, int32_t, int32_t, vextal::Rect* rect, int32_t) override {
    rect->bottom = rect->top + 12;
  }
  int32_t CreateBitmap(int32_t, int32_t height, int32_t*) override {
    heights.push_back(height);
    return nextBitmap_++;
  }
  void DeleteBitmap(int32_t bitmap) override { calls.push_back("delete bitmap " + std::to_string(bitmap)); }
  void FillRect(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
  void DrawLine(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
  void SetImage(int32_t, int32_t, int32_t) override {}
  void UpdateImage(int32_t) override {}

  std::vector<int32_t> heights;  // of every card bitmap made

 private:
  int32_t nextId_ = 1;
  int32_t nextBitmap_ = 1;
  std::map<int32_t, std::pair<int32_t, int32_t>> places_;
};

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// A board loaded from the profile's sections and started on a 1024 x 768
// desktop; both records are empty afterwards.
class NoteBoardTest : public ::testing::Test {
 protected:
  void Load(const std::map<std::string, Lines>& sections) {
    profile.sections = sections;
    board.Load({0, 0, 1024, 768});
    auto recording = std::make_unique<RecordingLayer>(calls);
    layer = recording.get();
    board.Start(std::move(recording), 77);
    calls.clear();
    profile.writes.clear();
  }
  const Note& note(int slot) const { return board.notes()[slot]; }
  std::string Value(const std::string& section, const std::string& key) {
    return profile.Read(section.c_str(), key.c_str(), "(none)", 1023);
  }

  MemoryProfile profile;
  Lines calls;
  RecordingLayer* layer = nullptr;  // owned by the board
  NoteBoard board{profile};
};

TEST_F(NoteBoardTest, StartBuildsEveryStoredNoteAndSavesTheNewIdsInOneBatch) {
  profile.sections = {{"Husen2", {"ID=9", "Priority=5", "PosX=10", "PosY=20", "Text=a"}},
                      {"Husen4", {"ID=3", "Priority=5", "PosX=30", "PosY=40"}},
                      {"System", {"Floating=On"}}};
  board.Load({0, 0, 1024, 768});
  board.Start(std::make_unique<RecordingLayer>(calls), 77);
  EXPECT_EQ(calls, (Lines{"floating 1", "attach 77", "create 1 at 10,20 p0", "create 2 at 30,40 p0"}));
  EXPECT_EQ(profile.writes, (Lines{"batch", "section Husen2", "section Husen4", "end batch"}));
  EXPECT_EQ(Value("Husen2", "ID"), "1");
  EXPECT_EQ(Value("Husen4", "Priority"), "0");
  EXPECT_EQ(board.notes().nextPriority, 1);

  calls.clear();
  board.Release();
  board.Release();
  EXPECT_EQ(calls, (Lines{"delete bitmap 1", "delete bitmap 2", "unload"}));
  // Without the layer a rebuild keeps the note and its section loadable.
  board.Recolour(1, kTypeYellow);
  EXPECT_TRUE(note(1).inUse);
  EXPECT_EQ(note(1).id, kNoObject);
  EXPECT_EQ(Value("Husen2", "ID"), "0");
  EXPECT_EQ(Value("Husen2", "Type"), "2");
}

TEST_F(NoteBoardTest, CreateAndDuplicateFillTheLowestEmptySlotInFront) {
  Load({{"Husen1", {"ID=0", "PosX=2147483640", "PosY=-2147483648", "Text=x", "TextRed=1"}}});
  board.Create(kTypeMagenta);
  EXPECT_EQ(calls, (Lines{"create 2 at 412,369 p1", "redraw"}));
  EXPECT_EQ(note(1).type, kTypeMagenta);
  EXPECT_EQ(Value("Husen2", "ID"), "2");
  EXPECT_EQ(Value("Husen2", "Priority"), "1");
  EXPECT_EQ(Value("Husen2", "Height"), "(none)");

  calls.clear();
  board.Duplicate(0);
  EXPECT_EQ(calls, (Lines{"create 3 at 2147483647,-2147483633 p2"}));
  EXPECT_EQ(note(2).text, "x");
  EXPECT_TRUE(note(2).textRed);
  EXPECT_EQ(Value("Husen3", "PosX"), "2147483647");
  EXPECT_EQ(Value("Husen3", "Priority"), "2");
}

TEST_F(NoteBoardTest, WithEverySlotInUseCreateOnlyRedrawsAndDuplicateDoesNothing) {
  std::map<std::string, Lines> full;
  for (int slot = 0; slot < kSlotCount; ++slot) full[SettingsFile::SectionName(slot)] = {"ID=0"};
  Load(full);
  board.Create(kTypeCyan);
  board.Duplicate(5);
  EXPECT_EQ(calls, Lines{"redraw"});
  EXPECT_TRUE(profile.writes.empty());
  EXPECT_EQ(board.notes().nextPriority, 1);
}

TEST_F(NoteBoardTest, RaiseAndDragMoveOnlyTheirNoteAndSaveAtTheRelease) {
  Load({{"Husen1", {"ID=0", "PosX=100", "PosY=100"}}, {"Husen2", {"ID=0", "Priority=1"}}});
  board.Raise(1);
  EXPECT_EQ(calls, Lines{"priority 1 p2"});
  EXPECT_EQ(profile.writes, Lines{"Husen1.Priority=2"});
  board.Raise(99);  // no such note

  calls.clear();
  profile.writes.clear();
  board.Drag(5, 5);  // no drag started
  board.StartDrag(1, 10, 10);
  board.Drag(10, 10);  // no travel
  board.Drag(15, 7);
  board.Drag(20, 20);
  EXPECT_EQ(calls, (Lines{"move 1 by 5,-3", "move 1 by 5,13"}));
  EXPECT_EQ(note(0).posX, 110);
  EXPECT_EQ(note(0).posY, 110);
  EXPECT_TRUE(profile.writes.empty()) << "a drag saves only at the release";
  board.ReleaseDrag();
  board.ReleaseDrag();
  EXPECT_EQ(profile.writes, (Lines{"Husen1.PosX=110", "Husen1.PosY=110"}));

  // Travel from another process's extreme positions saturates.
  calls.clear();
  board.StartDrag(2, kMin, kMin);
  board.Drag(kMax, kMax);
  EXPECT_EQ(calls, (Lines{"move 2 by 2147483647,2147483647"}));
  // A drag of an id that names no note moves the object but saves nothing.
  profile.writes.clear();
  board.StartDrag(42, 0, 0);
  board.Drag(1, 1);
  board.ReleaseDrag();
  EXPECT_TRUE(profile.writes.empty());
  EXPECT_EQ(note(1).posX, kMax);
}

TEST_F(NoteBoardTest, RecolourAndRedTextRebuildTheNoteWithItsPriority) {
  Load({{"Husen1", {"ID=0", "Priority=3", "PosX=7", "PosY=8"}}});
  board.Recolour(0, kTypeYellow);
  board.ToggleTextRed(0);
  EXPECT_EQ(calls, (Lines{"delete 1", "create 2 at 7,8 p0", "delete bitmap 1", "delete 2", "create 3 at 7,8 p0",
                          "delete bitmap 2"}));
  EXPECT_EQ(note(0).type, kTypeYellow);
  EXPECT_TRUE(note(0).textRed);
  EXPECT_EQ(profile.writes, (Lines{"section Husen1", "section Husen1"}));
  EXPECT_EQ(Value("Husen1", "ID"), "3");
  EXPECT_EQ(Value("Husen1", "TextRed"), "1");
  board.ToggleTextRed(0);
  EXPECT_EQ(Value("Husen1", "TextRed"), "0");
}

TEST_F(NoteBoardTest, EditAndDeleteActOnlyOnTheNoteTheyWereOpenedFor) {
  Load({{"Husen1", {"ID=0", "Text=old", "Extra=kept"}}, {"Husen2", {"ID=0"}}});
  const NoteRef first = board.notes().Ref(0);
  Note edited = note(0);
  edited.text = "new\r\ntext";
  edited.width = 300;
  edited.posX = 555;  // not content: stays
  EXPECT_TRUE(board.ApplyEdit(first, edited));
  EXPECT_EQ(note(0).width, 300);
  EXPECT_EQ(note(0).posX, 0);
  EXPECT_EQ(profile.sections["Husen1"],
            (Lines{"ID=3", "Text=new\\ntext", "Extra=kept", "Priority=0", "PosX=0", "PosY=0", "Width=300", "Type=0",
                   "FontName=ＭＳ ゴシック", "FontSize=8", "TextRed=0", "TextAster=0"}));

  calls.clear();
  EXPECT_TRUE(board.Delete(first));
  EXPECT_EQ(calls, Lines{"delete 3"});
  EXPECT_FALSE(note(0).inUse);
  EXPECT_EQ(profile.sections.count("Husen1"), 0u);
  // A new note in the freed slot is another note.
  board.Create(kTypeCyan);
  calls.clear();
  profile.writes.clear();
  EXPECT_FALSE(board.ApplyEdit(first, edited));
  EXPECT_FALSE(board.Delete(first));
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(profile.writes.empty());
  EXPECT_EQ(note(0).text, "");
}

TEST_F(NoteBoardTest, ApplySettingsSavesTheDialogsValuesThenRebuildsEveryNote) {
  Load({{"Husen1", {"ID=0"}}, {"Husen3", {"ID=0"}}, {"System", {"Floating=On", "TrayDelay=5"}}});
  SystemSettings changed = board.settings();
  changed.hotKeyShow = "B";
  changed.defaultHeight = 80;
  changed.defaultFontName = "IPA";
  changed.floating = false;  // not set by the dialog
  board.ApplySettings(board.settings(), changed);
  EXPECT_EQ(profile.writes, (Lines{"System.HotKeyCreateC=F1", "System.HotKeyCreateM=F2", "System.HotKeyCreateY=F3",
                                   "System.HotKeyShow=B", "System.Width=200", "System.Height=80", "System.FontName=IPA",
                                   "System.FontSize=8", "batch", "section Husen1", "section Husen3", "end batch"}));
  EXPECT_EQ(board.settings().hotKeyShow, "B");
  EXPECT_TRUE(board.settings().floating);
  EXPECT_EQ(Value("System", "TrayDelay"), "5");
  // The cards grew to the new least height.
  EXPECT_EQ(layer->heights, (std::vector<int32_t>{30, 30, 80, 80}));
  // A dialog opened on older values (before the stored ones were read)
  // changes only what its user changed.
  SystemSettings stale, edited;
  edited.defaultFontSize = 12;
  board.ApplySettings(stale, edited);
  EXPECT_EQ(board.settings().hotKeyShow, "B");
  EXPECT_EQ(board.settings().defaultFontSize, 12);
}

// Notes made while the settings file could not be read move beside the
// stored ones once it is read; a dialog still open on one finds it there.
TEST_F(NoteBoardTest, NoteMadeBeforeTheStoredOnesArriveKeepsItsEdit) {
  Load({});
  board.Create(kTypeCyan);
  const NoteRef made = board.notes().Ref(0);
  profile.sections = {{"Husen1", {"ID=0", "Text=stored"}}};
  board.ReadStored();
  board.ShowStored();
  Note edited = note(1);
  edited.text = "typed meanwhile";
  EXPECT_TRUE(board.ApplyEdit(made, edited));
  EXPECT_EQ(Value("Husen1", "Text"), "stored");
  EXPECT_EQ(Value("Husen2", "Text"), "typed meanwhile");
  EXPECT_TRUE(board.Delete(made));
}

// At 144 DPI the layer gets screen pixels, the table and the file keep
// stored units, and a drag stores where the note is shown.
TEST_F(NoteBoardTest, AtAnotherDpiTheLayerGetsScreenPixelsAndTheFileStoredUnits) {
  profile.sections = {{"Husen1", {"ID=0", "PosX=100", "PosY=41"}}};
  board.Load({0, 0, 1536, 1152});
  auto recording = std::make_unique<RecordingLayer>(calls);
  layer = recording.get();
  board.Start(std::move(recording), 77, 144);
  EXPECT_EQ(calls.back(), "create 1 at 150,62 p0");
  EXPECT_EQ(layer->heights, std::vector<int32_t>{45});  // the default height, 30
  EXPECT_EQ(board.NoteScreenPosition(0).y, 62);

  board.StartDrag(1, 160, 70);
  board.Drag(220, 100);
  board.ReleaseDrag();
  EXPECT_EQ(Value("Husen1", "PosX"), "140");
  EXPECT_EQ(Value("Husen1", "PosY"), "61");
  board.StartDrag(1, 220, 100);
  board.Drag(160, 70);
  board.ReleaseDrag();
  EXPECT_EQ(Value("Husen1", "PosX"), "100");
  EXPECT_EQ(Value("Husen1", "PosY"), "41");

  board.Create(kTypeCyan);  // in the middle of the desktop: 412,369 stored
  EXPECT_EQ(Value("Husen2", "PosX"), "412");
  EXPECT_EQ(calls.at(calls.size() - 2), "create 2 at 618,554 p1");
}

}  // namespace
}  // namespace zettrella
