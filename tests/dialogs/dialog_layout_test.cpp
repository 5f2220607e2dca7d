// The four dialog templates: the resources hold every control in tab order
// with its id, class, style, text and rectangle, and the running dialogs
// place the controls there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/dialog.h"
#include "resources/zettrella_res.h"
#include "tests/dialogs/dialog_driver.h"
#include "tests/dialogs/dialog_template.h"

namespace zettrella {
namespace {

constexpr int kNoId = -1;

struct ExpectedControl {
  int id;
  const char* className;
  DWORD style;         // besides WS_CHILD | WS_VISIBLE
  const char* text;    // null: the icon
  int x, y, w, h;      // dialog units
};

struct ExpectedDialog {
  int templateId;
  const char* caption;
  int w, h;  // client size in dialog units
  bool visible;
  std::vector<ExpectedControl> controls;
};

constexpr DWORD kEditLine = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kNameCombo = CBS_DROPDOWN | CBS_OWNERDRAWVARIABLE | CBS_SORT | CBS_HASSTRINGS |
                             CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kSizeCombo = CBS_DROPDOWN | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;

const ExpectedDialog kEdit{
    IDD_NOTE_EDIT, "編集", 219, 156, false,
    {
        {IDOK, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, "完了", 162, 7, 50, 14},
        {IDCANCEL, "Button", BS_PUSHBUTTON | WS_TABSTOP, "キャンセル", 162, 27, 50, 14},
        {IDC_EDIT_TEXT, "Edit", ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP, "",
         7, 7, 149, 47},
        {kNoId, "Static", SS_LEFT, "フォント：", 7, 65, 26, 8},
        {IDC_EDIT_FONT_NAME, "ComboBox", kNameCombo, "", 33, 63, 70, 96},
        {kNoId, "Static", SS_LEFT, "サイズ：", 106, 65, 24, 8},
        {IDC_EDIT_FONT_SIZE, "ComboBox", kSizeCombo, "", 130, 63, 26, 96},
        {IDC_EDIT_TEXT_RED, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, "文字色レッド", 12, 86, 52, 10},
        {IDC_EDIT_MASK, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, "", 69, 86, 8, 10},
        {IDC_EDIT_MASK_FROM, "Edit", kEditLine, "", 80, 84, 20, 14},
        {kNoId, "Static", SS_LEFT, "文字目以降を*に", 101, 87, 51, 8},
        {kNoId, "Button", BS_GROUPBOX, "付箋カラー", 7, 101, 149, 27},
        {IDC_EDIT_CYAN, "Button", BS_AUTORADIOBUTTON | WS_TABSTOP, "シアン", 13, 113, 34, 10},
        {IDC_EDIT_MAGENTA, "Button", BS_AUTORADIOBUTTON, "マゼンタ", 54, 113, 40, 10},
        {IDC_EDIT_YELLOW, "Button", BS_AUTORADIOBUTTON, "イエロー", 102, 113, 41, 10},
        {kNoId, "Static", SS_LEFT, "付箋の幅：", 12, 137, 32, 8},
        {IDC_EDIT_WIDTH, "Edit", kEditLine, "", 44, 135, 20, 14},
        {kNoId, "Static", SS_LEFT, "（100 以上の値を指定）", 68, 137, 67, 8},
    }};

const ExpectedDialog kSettings{
    IDD_SETTINGS, "設定", 219, 248, false,
    {
        {IDOK, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, "完了", 162, 7, 50, 14},
        {IDCANCEL, "Button", BS_PUSHBUTTON | WS_TABSTOP, "キャンセル", 162, 27, 50, 14},
        {kNoId, "Button", BS_GROUPBOX, "ホットキー", 7, 7, 149, 132},
        {kNoId, "Static", SS_RIGHT, "シアン付箋を作成： Ctrl + Shift +", 11, 21, 106, 8},
        {IDC_SETTINGS_HOTKEY_C, "Edit", kEditLine, "", 119, 19, 32, 14},
        {kNoId, "Static", SS_RIGHT, "マゼンタ付箋を作成： Ctrl + Shift +", 11, 41, 106, 8},
        {IDC_SETTINGS_HOTKEY_M, "Edit", kEditLine, "", 119, 39, 32, 14},
        {kNoId, "Static", SS_RIGHT, "イエロー付箋を作成： Ctrl + Shift +", 11, 61, 106, 8},
        {IDC_SETTINGS_HOTKEY_Y, "Edit", kEditLine, "", 119, 59, 32, 14},
        {kNoId, "Static", SS_RIGHT, "手前に持ってくる： Ctrl + Shift +", 11, 81, 106, 8},
        {IDC_SETTINGS_HOTKEY_SHOW, "Edit", kEditLine, "", 119, 79, 32, 14},
        {kNoId, "Static", SS_LEFT,
         "F1～F24、0～9、A～Z、BACK(BACKSPACE)、TAB、RETURN(ENTER)、SPACE、LEFT、UP、RIGHT、DOWN、INSERT(INS)"
         "、DELETE(DEL) が指定できます。",
         11, 101, 140, 32},
        {kNoId, "Button", BS_GROUPBOX, "デフォルトの付箋サイズ", 7, 145, 149, 54},
        {kNoId, "Static", SS_RIGHT, "幅：", 11, 159, 20, 8},
        {IDC_SETTINGS_WIDTH, "Edit", kEditLine, "", 32, 157, 20, 14},
        {kNoId, "Static", SS_LEFT, "（100 以上の値を指定）", 57, 159, 67, 8},
        {kNoId, "Static", SS_RIGHT, "高さ：", 11, 180, 20, 8},
        {IDC_SETTINGS_HEIGHT, "Edit", kEditLine, "", 32, 178, 20, 14},
        {kNoId, "Static", SS_LEFT, "（10 以上の値を指定）", 57, 180, 64, 8},
        {kNoId, "Button", BS_GROUPBOX, "デフォルトのフォント", 7, 205, 149, 36},
        {IDC_SETTINGS_FONT_NAME, "ComboBox", kNameCombo, "", 15, 217, 70, 96},
        {kNoId, "Static", SS_LEFT, "サイズ：", 88, 219, 24, 8},
        {IDC_SETTINGS_FONT_SIZE, "ComboBox", kSizeCombo, "", 112, 217, 26, 96},
    }};

const ExpectedDialog kAbout{IDD_ABOUT, "バージョン情報", 151, 57, true,
                        {
                            {IDOK, "Button", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, "OK", 59, 36, 32, 14},
                            {kNoId, "Static", SS_ICON, nullptr, 7, 7, 20, 20},
                            {kNoId, "Static", SS_LEFT, "Zettrella", 30, 7, 28, 8},
                            {kNoId, "Static", SS_LEFT, "Version", 62, 7, 23, 8},
                            {IDC_ABOUT_VERSION, "Static", SS_LEFT, "-", 89, 7, 55, 8},
                        }};

const ExpectedDialog kDeleteConfirm{IDD_DELETE_CONFIRM, "消去確認", 122, 44, false,
                                {
                                    {IDOK, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, "はい", 8, 23, 50, 14},
                                    {IDCANCEL, "Button", BS_PUSHBUTTON | WS_TABSTOP, "いいえ", 64, 23, 50, 14},
                                    {kNoId, "Static", SS_CENTER, "本当に消去してもいいですか？", 7, 7, 108, 8},
                                }};

// The template on its own, without the program's initialisation, so that
// the texts are those of the template.
class BareDialog : public ui::Dialog {
 public:
  explicit BareDialog(int templateId) : ui::Dialog(templateId, nullptr) {}
};

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

bool SameClass(const std::string& a, const char* b) { return lstrcmpiA(a.c_str(), b) == 0; }

// The resource itself: every style bit, text and dialog-unit rectangle.
void CheckTemplate(const ExpectedDialog& expected) {
  testing::DialogTemplate t;
  ASSERT_TRUE(testing::LoadDialogTemplate(expected.templateId, &t));
  const DWORD frame = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(t.style, frame | (expected.visible ? WS_VISIBLE : 0));
  EXPECT_EQ(t.caption, expected.caption);
  EXPECT_EQ(t.pointSize, 9);
  EXPECT_EQ(t.fontName, "ＭＳ Ｐゴシック");
  EXPECT_EQ(t.cx, expected.w);
  EXPECT_EQ(t.cy, expected.h);
  ASSERT_EQ(t.items.size(), expected.controls.size());
  for (size_t i = 0; i < t.items.size(); ++i) {
    const testing::TemplateItem& item = t.items[i];
    const ExpectedControl& c = expected.controls[i];
    SCOPED_TRACE("item " + std::to_string(i) + " id " + std::to_string(c.id));
    EXPECT_EQ(item.id, c.id);
    EXPECT_TRUE(SameClass(item.className, c.className)) << item.className;
    EXPECT_EQ(item.style, c.style | WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(item.exStyle, 0u);
    EXPECT_EQ(item.text, c.text ? c.text : "#128");
    EXPECT_EQ(item.x, c.x);
    EXPECT_EQ(item.y, c.y);
    EXPECT_EQ(item.cx, c.w);
    EXPECT_EQ(item.cy, c.h);
  }
}

// The dialog as it runs: the controls in tab order at their places.
void CheckLayout(const ExpectedDialog& expected) {
  BareDialog dialog(expected.templateId);
  const INT_PTR result = testing::RunDriven(dialog, [&](HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const RECT size = testing::DialogUnits(hwnd, 0, 0, expected.w, expected.h);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
    LOGFONTA logFont{};
    GetObjectA(font, sizeof logFont, &logFont);
    EXPECT_STREQ(logFont.lfFaceName, "ＭＳ Ｐゴシック");

    HWND child = GetWindow(hwnd, GW_CHILD);
    for (const ExpectedControl& c : expected.controls) {
      SCOPED_TRACE(std::string("control ") + (c.text ? c.text : "icon") + " id " + std::to_string(c.id));
      ASSERT_NE(child, nullptr) << "fewer controls than the template has";
      EXPECT_EQ(static_cast<int16_t>(GetDlgCtrlID(child)), c.id);
      EXPECT_TRUE(SameClass(ClassOf(child), c.className)) << ClassOf(child);
      EXPECT_TRUE(IsWindowVisible(child));

      // Position and size map from dialog units one by one.
      const RECT units = testing::DialogUnits(hwnd, c.x, c.y, c.w, c.h);
      const LONG x = units.left, y = units.top;
      const LONG w = testing::DialogUnits(hwnd, 0, 0, c.w, c.h).right;
      const LONG h = testing::DialogUnits(hwnd, 0, 0, c.w, c.h).bottom;
      const RECT actual = testing::ClientRectOf(hwnd, child);
      EXPECT_EQ(actual.left, x);
      EXPECT_EQ(actual.top, y);
      const bool icon = SameClass(c.className, "Static") && (c.style & SS_TYPEMASK) == SS_ICON;
      const bool combo = SameClass(c.className, "ComboBox");
      // An icon static takes the size of its icon.
      if (!icon) {
        EXPECT_EQ(actual.right - actual.left, w);
      }
      // A closed combo box is as high as its edit field; the template's
      // height is that of the box with its list dropped down.
      if (!icon && !combo) {
        EXPECT_EQ(actual.bottom - actual.top, h);
      }
      child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than the template has";
    dialog.EndModal(IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST(DialogTemplateTest, EditDialog) { CheckTemplate(kEdit); }
TEST(DialogTemplateTest, SettingsDialog) { CheckTemplate(kSettings); }
TEST(DialogTemplateTest, AboutDialog) { CheckTemplate(kAbout); }
TEST(DialogTemplateTest, DeleteConfirmDialog) { CheckTemplate(kDeleteConfirm); }

TEST(DialogLayoutTest, EditDialog) { CheckLayout(kEdit); }
TEST(DialogLayoutTest, SettingsDialog) { CheckLayout(kSettings); }
TEST(DialogLayoutTest, AboutDialog) { CheckLayout(kAbout); }
TEST(DialogLayoutTest, DeleteConfirmDialog) { CheckLayout(kDeleteConfirm); }

}  // namespace
}  // namespace zettrella
