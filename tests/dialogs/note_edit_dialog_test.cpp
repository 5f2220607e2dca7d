// The edit dialog, opened on a note and driven through its controls.
#include "notes/dialogs/note_edit_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/zettrella_res.h"
#include "tests/support/win_test_support.h"

namespace zettrella {
namespace {

using testing::Checked;
using testing::Click;
using testing::ControlText;
using testing::RunDriven;
using testing::Type;

// A TrueType face with Shift-JIS that the test prefix always has.
constexpr char kJapaneseFace[] = "ＭＳ ゴシック";

ScreenRect DesktopRect() {
  RECT rect{};
  GetWindowRect(GetDesktopWindow(), &rect);
  return {rect.left, rect.top, rect.right, rect.bottom};
}

Note SampleNote() {
  Note note;
  note.InUse = true;
  note.ID = 4;
  note.Priority = 2;
  note.PosX = 100;
  note.PosY = 120;
  note.Width = 200;
  note.Type = kTypeMagenta;
  note.FontName = kJapaneseFace;
  note.FontSize = 12;
  note.Text = "abc";
  note.TextRed = 0;
  note.TextAster = 1;
  note.TextAsterNum = 3;
  return note;
}

void ExpectSameNote(const Note& actual, const Note& expected) {
  EXPECT_EQ(actual.ID, expected.ID);
  EXPECT_EQ(actual.Priority, expected.Priority);
  EXPECT_EQ(actual.PosX, expected.PosX);
  EXPECT_EQ(actual.PosY, expected.PosY);
  EXPECT_EQ(actual.Width, expected.Width);
  EXPECT_EQ(actual.Type, expected.Type);
  EXPECT_EQ(actual.FontName, expected.FontName);
  EXPECT_EQ(actual.FontSize, expected.FontSize);
  EXPECT_EQ(actual.Text, expected.Text);
  EXPECT_EQ(actual.TextRed, expected.TextRed);
  EXPECT_EQ(actual.TextAster, expected.TextAster);
  EXPECT_EQ(actual.TextAsterNum, expected.TextAsterNum);
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
    testing::SaveScreenshot(hwnd, "note_edit_dialog");
    Click(hwnd, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  ExpectSameNote(note, original);
}

TEST(NoteEditDialogTest, ShortTextsGetNoAddedLineBreakAndOddColoursNoRadio) {
  Note note = SampleNote();
  note.Text = "\x82\xa0";  // one two-byte character
  note.Type = 7;
  note.TextAster = 0;
  const INT_PTR result = EditAndConfirm(note, [](HWND hwnd) {
    EXPECT_EQ(ControlText(hwnd, IDC_EDIT_TEXT), "\x82\xa0");
    EXPECT_FALSE(Checked(hwnd, IDC_EDIT_CYAN));
    EXPECT_FALSE(Checked(hwnd, IDC_EDIT_MAGENTA));
    EXPECT_FALSE(Checked(hwnd, IDC_EDIT_YELLOW));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, IDC_EDIT_MASK_FROM)));
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(note.Text, "\x82\xa0");
  // With no colour chosen, OK takes yellow.
  EXPECT_EQ(note.Type, kTypeYellow);
}

TEST(NoteEditDialogTest, WidthBelow100OrUnreadableBecomes100) {
  const struct {
    const char* typed;
    int32_t stored;
  } cases[] = {{"50", 100}, {"-3", 100}, {"abc", 100}, {"", 100}, {"100", 100}, {"640", 640}, {"99999", 99999}};
  for (const auto& c : cases) {
    Note note = SampleNote();
    EXPECT_EQ(EditAndConfirm(note, [&](HWND hwnd) { Type(hwnd, IDC_EDIT_WIDTH, c.typed); }), IDOK);
    EXPECT_EQ(note.Width, c.stored) << "typed '" << c.typed << "'";
  }
}

TEST(NoteEditDialogTest, MaskPositionBelow1BecomesOneWhetherOrNotMasked) {
  for (const char* typed : {"0", "", "-2", "x"}) {
    for (bool masked : {true, false}) {
      Note note = SampleNote();
      note.TextAster = masked ? 1 : 0;
      EXPECT_EQ(EditAndConfirm(note, [&](HWND hwnd) { Type(hwnd, IDC_EDIT_MASK_FROM, typed); }), IDOK);
      EXPECT_EQ(note.TextAsterNum, 1) << "typed '" << typed << "', masked " << masked;
      EXPECT_EQ(note.TextAster, masked ? 1 : 0);
    }
  }
  // A value typed while the box is disabled is still taken.
  Note note = SampleNote();
  note.TextAster = 0;
  EXPECT_EQ(EditAndConfirm(note, [](HWND hwnd) { Type(hwnd, IDC_EDIT_MASK_FROM, "7"); }), IDOK);
  EXPECT_EQ(note.TextAsterNum, 7);
}

TEST(NoteEditDialogTest, MaskCheckBoxEnablesAndDisablesThePosition) {
  Note note = SampleNote();
  note.TextAster = 0;
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
  EXPECT_EQ(note.TextAster, 1);
  EXPECT_EQ(note.TextAsterNum, 3);
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
    EXPECT_EQ(note.Text, c.stored) << "typed " << c.typed.size() << " bytes";
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
    EXPECT_EQ(note.FontSize, c.stored) << "typed '" << c.typed << "'";
  }
}

TEST(NoteEditDialogTest, FontNameIsStoredAsTypedOrChosen) {
  Note note = SampleNote();
  EXPECT_EQ(EditAndConfirm(note, [](HWND hwnd) { Type(hwnd, IDC_EDIT_FONT_NAME, "ＭＳ ゴシッグ"); }), IDOK);
  EXPECT_EQ(note.FontName, "ＭＳ ゴシッグ");

  // A stored name that is not listed opens as typed text and stays.
  note = SampleNote();
  note.FontName = "No Such Face";
  EXPECT_EQ(EditAndConfirm(note,
                           [](HWND hwnd) {
                             EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_EDIT_FONT_NAME, CB_GETCURSEL, 0, 0), CB_ERR);
                             EXPECT_EQ(ControlText(hwnd, IDC_EDIT_FONT_NAME), "No Such Face");
                           }),
            IDOK);
  EXPECT_EQ(note.FontName, "No Such Face");

  note = SampleNote();
  note.FontName = "No Such Face";
  EXPECT_EQ(EditAndConfirm(note,
                           [](HWND hwnd) {
                             SendDlgItemMessageA(hwnd, IDC_EDIT_FONT_NAME, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                                 reinterpret_cast<LPARAM>(kJapaneseFace));
                           }),
            IDOK);
  EXPECT_EQ(note.FontName, kJapaneseFace);

  note = SampleNote();
  EXPECT_EQ(EditAndConfirm(note, [](HWND hwnd) { Type(hwnd, IDC_EDIT_FONT_NAME, ""); }), IDOK);
  EXPECT_EQ(note.FontName, "");
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
  EXPECT_EQ(note.TextRed, 1);
  EXPECT_EQ(note.TextAster, 0);
  EXPECT_EQ(note.Type, kTypeYellow);
  EXPECT_EQ(EditAndConfirm(note, [](HWND hwnd) { Click(hwnd, IDC_EDIT_CYAN); }), IDOK);
  EXPECT_EQ(note.Type, kTypeCyan);
}

TEST(NoteEditDialogTest, CancelAfterChangingEveryControlLeavesTheNote) {
  // The three ways out: the button, Esc and the close box.
  const std::function<void(HWND)> ways[] = {
      [](HWND hwnd) { Click(hwnd, IDCANCEL); },
      [](HWND) { testing::PostKey(GetFocus(), VK_ESCAPE); },
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
    const auto count = static_cast<int>(SendMessageA(size, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[16] = {};
      SendMessageA(size, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      sizes.push_back(text);
    }
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
  EXPECT_EQ(note.FontSize, 10);
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
  note.PosX = -20;
  note.PosY = 10;
  RECT opened = OpenedRect(note, desktop);
  EXPECT_EQ(opened.left, 0);
  EXPECT_EQ(opened.top, 10);

  note.PosX = 850;
  note.PosY = 30;
  opened = OpenedRect(note, desktop);
  EXPECT_EQ(opened.right, 900);
  EXPECT_EQ(opened.top, 30);

  note.PosX = 40;
  note.PosY = 690;
  opened = OpenedRect(note, desktop);
  EXPECT_EQ(opened.left, 40);
  EXPECT_EQ(opened.bottom, 700);
}

}  // namespace
}  // namespace zettrella
