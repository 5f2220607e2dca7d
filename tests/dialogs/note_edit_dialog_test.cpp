// The edit dialog, opened on a note and driven through its controls.
#include "notes/dialogs/note_edit_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/zettrella_res.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

// A TrueType face with Shift-JIS that the test prefix always has.
constexpr char kJapaneseFace[] = "ＭＳ ゴシック";

ScreenRect DesktopRect() {
  RECT rect{};
  GetWindowRect(GetDesktopWindow(), &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

Note SampleNote() {
  Note note;
  note.inUse = true;
  note.id = 4;
  note.priority = 2;
  note.posX = 100;
  note.posY = 120;
  note.width = 200;
  note.type = kTypeMagenta;
  note.fontName = kJapaneseFace;
  note.fontSize = 12;
  note.text = "abc";
  note.textRed = false;
  note.mask = true;
  note.maskFrom = 3;
  return note;
}

void ExpectSameNote(const Note& actual, const Note& expected) {
  EXPECT_EQ(actual.id, expected.id);
  EXPECT_EQ(actual.priority, expected.priority);
  EXPECT_EQ(actual.posX, expected.posX);
  EXPECT_EQ(actual.posY, expected.posY);
  EXPECT_EQ(actual.width, expected.width);
  EXPECT_EQ(actual.type, expected.type);
  EXPECT_EQ(actual.fontName, expected.fontName);
  EXPECT_EQ(actual.fontSize, expected.fontSize);
  EXPECT_EQ(actual.text, expected.text);
  EXPECT_EQ(actual.textRed, expected.textRed);
  EXPECT_EQ(actual.mask, expected.mask);
  EXPECT_EQ(actual.maskFrom, expected.maskFrom);
}

// Opens the dialog on note, lets change set the controls, then presses "完了".
INT_PTR EditAndConfirm(Note& note, const std::function<void(HWND)>& change) {
  NoteEditDialog dialog(note, DesktopRect(), nullptr);
  return RunDriven(dialog, [&](HWND hwnd) {
    change(hwnd);
    Click(hwnd, IDOK);
  });
}

TEST(NoteEditDialogTest, OpensWithTheNotesValuesAndOkWithoutChangesKeepsThem) {
  const Note original = SampleNote();
  Note note = original;
  NoteEditDialog dialog(note, DesktopRect(), nullptr);
  const INT_PTR result = RunDriven(dialog, [](HWND hwnd) {
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_TEXT), "abc\r\n");
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_FONT_NAME), kJapaneseFace);
    EXPECT_NE(SendDlgItemMessageA(hwnd, IDC_EDIT_FONT_NAME, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_FONT_SIZE), "12");
    // The size list is built only when it opens.
    EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_EDIT_FONT_SIZE, CB_GETCOUNT, 0, 0), 0);
    EXPECT_FALSE(Checked(hwnd, IDC_EDIT_TEXT_RED));
    EXPECT_TRUE(Checked(hwnd, IDC_EDIT_MASK));
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_MASK_FROM), "3");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hwnd, IDC_EDIT_MASK_FROM)));
    EXPECT_FALSE(Checked(hwnd, IDC_EDIT_CYAN));
    EXPECT_TRUE(Checked(hwnd, IDC_EDIT_MAGENTA));
    EXPECT_FALSE(Checked(hwnd, IDC_EDIT_YELLOW));
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_WIDTH), "200");
    EXPECT_EQ(GetFocus(), GetDlgItem(hwnd, IDOK));
    SaveScreenshot(hwnd, "note_edit_dialog");
    Click(hwnd, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  ExpectSameNote(note, original);
}

TEST(NoteEditDialogTest, ShortTextsGetNoAddedLineBreakAndOddColoursNoRadio) {
  Note note = SampleNote();
  note.text = "\x82\xa0";  // one two-byte character
  note.type = 7;
  note.mask = false;
  const INT_PTR result = EditAndConfirm(note, [](HWND hwnd) {
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_TEXT), "\x82\xa0");
    EXPECT_FALSE(Checked(hwnd, IDC_EDIT_CYAN));
    EXPECT_FALSE(Checked(hwnd, IDC_EDIT_MAGENTA));
    EXPECT_FALSE(Checked(hwnd, IDC_EDIT_YELLOW));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, IDC_EDIT_MASK_FROM)));
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(note.text, "\x82\xa0");
  // With no colour chosen, OK takes yellow.
  EXPECT_EQ(note.type, kTypeYellow);
}

TEST(NoteEditDialogTest, WidthBelow100OrUnreadableBecomes100) {
  const struct {
    const char* typed;
    int32_t stored;
  } cases[] = {{"50", 100}, {"-3", 100}, {"abc", 100}, {"", 100}, {"100", 100}, {"640", 640}, {"99999", 99999}};
  for (const auto& c : cases) {
    Note note = SampleNote();
    EXPECT_EQ(EditAndConfirm(note, [&](HWND hwnd) { Type(hwnd, IDC_EDIT_WIDTH, c.typed); }), IDOK);
    EXPECT_EQ(note.width, c.stored) << "typed '" << c.typed << "'";
  }
}

TEST(NoteEditDialogTest, MaskPositionBelow1BecomesOneWhetherOrNotMasked) {
  for (const char* typed : {"0", "", "-2", "x"}) {
    for (bool masked : {true, false}) {
      Note note = SampleNote();
      note.mask = masked;
      EXPECT_EQ(EditAndConfirm(note, [&](HWND hwnd) { Type(hwnd, IDC_EDIT_MASK_FROM, typed); }), IDOK);
      EXPECT_EQ(note.maskFrom, 1) << "typed '" << typed << "', masked " << masked;
      EXPECT_EQ(note.mask, masked);
    }
  }
  // A value typed while the box is disabled is still taken.
  Note note = SampleNote();
  note.mask = false;
  EXPECT_EQ(EditAndConfirm(note, [](HWND hwnd) { Type(hwnd, IDC_EDIT_MASK_FROM, "7"); }), IDOK);
  EXPECT_EQ(note.maskFrom, 7);
}

TEST(NoteEditDialogTest, MaskCheckBoxEnablesAndDisablesThePosition) {
  Note note = SampleNote();
  note.mask = false;
  NoteEditDialog dialog(note, DesktopRect(), nullptr);
  RunDriven(dialog, [](HWND hwnd) {
    HWND from = GetDlgItem(hwnd, IDC_EDIT_MASK_FROM);
    EXPECT_FALSE(IsWindowEnabled(from));
    Click(hwnd, IDC_EDIT_MASK);
    EXPECT_TRUE(Checked(hwnd, IDC_EDIT_MASK));
    EXPECT_TRUE(IsWindowEnabled(from));
    Click(hwnd, IDC_EDIT_MASK);
    EXPECT_FALSE(IsWindowEnabled(from));
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_MASK_FROM), "3");
    Click(hwnd, IDC_EDIT_MASK);
    Click(hwnd, IDOK);
  });
  EXPECT_TRUE(note.mask);
  EXPECT_EQ(note.maskFrom, 3);
}

TEST(NoteEditDialogTest, TextIsCutTo1024BytesWithoutTrailingLineBreaks) {
  std::string letters;
  for (int i = 0; i < 1500; ++i) letters += static_cast<char>('a' + i % 26);
  const std::string breaksAtCut = std::string(1021, 'x') + "\r\n\r\n" + std::string(475, 'y');
  const std::string kana = "\x82\xa0";
  const std::string splitCharacter = std::string(1023, 'x') + kana + std::string(476, 'z');
  const struct {
    std::string typed;
    std::string stored;
  } cases[] = {
      {letters, letters.substr(0, 1024)},
      {breaksAtCut, std::string(1021, 'x')},
      {splitCharacter, std::string(1023, 'x')},
      {std::string(1022, 'x') + kana + "zz", std::string(1022, 'x') + kana},
      {"abc\r\n\r\n\r\n", "abc"},
      {"\r\n\r\n\r\n", ""},
      {"one\r\ntwo\r\n", "one\r\ntwo"},
  };
  for (const auto& c : cases) {
    Note note = SampleNote();
    EXPECT_EQ(EditAndConfirm(note, [&](HWND hwnd) { SetDlgItemTextA(hwnd, IDC_EDIT_TEXT, c.typed.c_str()); }), IDOK);
    EXPECT_EQ(note.text, c.stored) << "typed " << c.typed.size() << " bytes";
  }
}

TEST(NoteEditDialogTest, SizeIsTakenInWholePointsOrKeptWhenUnreadable) {
  const struct {
    const char* typed;
    int32_t stored;
  } cases[] = {{"10.5", 10}, {"72", 72}, {" 9 ", 9}, {"x", 12}, {"-4", 12}, {"", 12}};
  for (const auto& c : cases) {
    Note note = SampleNote();
    EXPECT_EQ(EditAndConfirm(note, [&](HWND hwnd) { Type(hwnd, IDC_EDIT_FONT_SIZE, c.typed); }), IDOK);
    EXPECT_EQ(note.fontSize, c.stored) << "typed '" << c.typed << "'";
  }
}

TEST(NoteEditDialogTest, FontNameIsStoredAsTypedOrChosen) {
  Note note = SampleNote();
  EXPECT_EQ(EditAndConfirm(note, [](HWND hwnd) { Type(hwnd, IDC_EDIT_FONT_NAME, "ＭＳ ゴシッグ"); }), IDOK);
  EXPECT_EQ(note.fontName, "ＭＳ ゴシッグ");

  // A stored name that is not listed opens as typed text and stays.
  note = SampleNote();
  note.fontName = "No Such Face";
  EXPECT_EQ(EditAndConfirm(note,
                           [](HWND hwnd) {
                             EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_EDIT_FONT_NAME, CB_GETCURSEL, 0, 0), CB_ERR);
                             EXPECT_EQ(ControlText(hwnd, IDC_EDIT_FONT_NAME), "No Such Face");
                           }),
            IDOK);
  EXPECT_EQ(note.fontName, "No Such Face");

  note = SampleNote();
  note.fontName = "No Such Face";
  EXPECT_EQ(EditAndConfirm(note,
                           [](HWND hwnd) {
                             SendDlgItemMessageA(hwnd, IDC_EDIT_FONT_NAME, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                                 reinterpret_cast<LPARAM>(kJapaneseFace));
                           }),
            IDOK);
  EXPECT_EQ(note.fontName, kJapaneseFace);

  note = SampleNote();
  EXPECT_EQ(EditAndConfirm(note, [](HWND hwnd) { Type(hwnd, IDC_EDIT_FONT_NAME, ""); }), IDOK);
  EXPECT_EQ(note.fontName, "");
}

TEST(NoteEditDialogTest, ChecksAndColourAreTaken) {
  Note note = SampleNote();
  EXPECT_EQ(EditAndConfirm(note,
                           [](HWND hwnd) {
                             Click(hwnd, IDC_EDIT_TEXT_RED);
                             Click(hwnd, IDC_EDIT_MASK);
                             Click(hwnd, IDC_EDIT_YELLOW);
                           }),
            IDOK);
  EXPECT_TRUE(note.textRed);
  EXPECT_FALSE(note.mask);
  EXPECT_EQ(note.type, kTypeYellow);
  EXPECT_EQ(EditAndConfirm(note, [](HWND hwnd) { Click(hwnd, IDC_EDIT_CYAN); }), IDOK);
  EXPECT_EQ(note.type, kTypeCyan);
}

TEST(NoteEditDialogTest, CancelAfterChangingEveryControlLeavesTheNote) {
  // The three ways out: the button, Esc and the close box.
  const std::function<void(HWND)> ways[] = {
      [](HWND hwnd) { Click(hwnd, IDCANCEL); },
      [](HWND) { PostKey(GetFocus(), VK_ESCAPE); },
      [](HWND hwnd) { PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); },
  };
  for (const auto& leave : ways) {
    const Note original = SampleNote();
    Note note = original;
    NoteEditDialog dialog(note, DesktopRect(), nullptr);
    const INT_PTR result = RunDriven(dialog, [&](HWND hwnd) {
      SetDlgItemTextA(hwnd, IDC_EDIT_TEXT, "changed");
      Type(hwnd, IDC_EDIT_FONT_NAME, "Other");
      Type(hwnd, IDC_EDIT_FONT_SIZE, "20");
      Click(hwnd, IDC_EDIT_TEXT_RED);
      Click(hwnd, IDC_EDIT_MASK);
      Type(hwnd, IDC_EDIT_MASK_FROM, "9");
      Click(hwnd, IDC_EDIT_CYAN);
      Type(hwnd, IDC_EDIT_WIDTH, "500");
      leave(hwnd);
    });
    EXPECT_EQ(result, IDCANCEL);
    ExpectSameNote(note, original);
  }
}

TEST(NoteEditDialogTest, SizeListOfATrueTypeFaceHoldsTheSixteenUsualSizes) {
  Note note = SampleNote();
  std::vector<std::string> sizes;
  NoteEditDialog dialog(note, DesktopRect(), nullptr);
  RunDriven(dialog, [&](HWND hwnd) {
    HWND size = GetDlgItem(hwnd, IDC_EDIT_FONT_SIZE);
    SendMessageA(size, CB_SHOWDROPDOWN, TRUE, 0);
    sizes = ComboItems(size);
    // The size shown stays and is now selected in the list.
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_FONT_SIZE), "12");
    EXPECT_EQ(SendMessageA(size, CB_GETCURSEL, 0, 0), 4);
    SendMessageA(size, CB_SHOWDROPDOWN, FALSE, 0);
    Click(hwnd, IDCANCEL);
  });
  EXPECT_EQ(sizes, (std::vector<std::string>{"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28",
                                             "36", "48", "72"}));
}

TEST(NoteEditDialogTest, SizeListKeepsItsContentForAFaceThatIsNotListed) {
  Note note = SampleNote();
  NoteEditDialog dialog(note, DesktopRect(), nullptr);
  RunDriven(dialog, [&](HWND hwnd) {
    HWND size = GetDlgItem(hwnd, IDC_EDIT_FONT_SIZE);
    SendMessageA(size, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(size, CB_SHOWDROPDOWN, FALSE, 0);
    Type(hwnd, IDC_EDIT_FONT_NAME, "No Such Face");
    Type(hwnd, IDC_EDIT_FONT_SIZE, "10.5");
    SendMessageA(size, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_EQ(SendMessageA(size, CB_GETCOUNT, 0, 0), 16);
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_FONT_SIZE), "10.5");
    SendMessageA(size, CB_SHOWDROPDOWN, FALSE, 0);
    Click(hwnd, IDOK);
  });
  EXPECT_EQ(note.fontSize, 10);
}

// The dialog's window rectangle after it opened for note.
RECT OpenedRect(const Note& note, const ScreenRect& desktop) {
  Note copy = note;
  RECT opened{};
  NoteEditDialog dialog(copy, desktop, nullptr);
  RunDriven(dialog, [&](HWND hwnd) {
    GetWindowRect(hwnd, &opened);
    Click(hwnd, IDCANCEL);
  });
  return opened;
}

TEST(NoteEditDialogTest, OpensAtTheNoteInsideTheDesktopsRightAndBottomEdges) {
  const ScreenRect desktop{0, 0, 900, 700};
  Note note = SampleNote();
  note.posX = -20;
  note.posY = 10;
  RECT opened = OpenedRect(note, desktop);
  EXPECT_EQ(opened.left, 0);
  EXPECT_EQ(opened.top, 10);

  note.posX = 850;
  note.posY = 30;
  opened = OpenedRect(note, desktop);
  EXPECT_EQ(opened.right, 900);
  EXPECT_EQ(opened.top, 30);

  note.posX = 40;
  note.posY = 690;
  opened = OpenedRect(note, desktop);
  EXPECT_EQ(opened.left, 40);
  EXPECT_EQ(opened.bottom, 700);
}

}  // namespace
}  // namespace zettrella::testing
