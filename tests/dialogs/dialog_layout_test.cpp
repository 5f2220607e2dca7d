// The four dialogs of the note program that a user sees: each loads in the frame and
// font of the program's dialogs, holds exactly the control ids the resource
// header defines for it, and keeps its controls inside and reachable by Tab.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/zettrella_res.h"
#include "tests/support/dialog_template.h"

namespace zettrella {
namespace {

const std::string kResourceHeader =
#include "resource_text/zettrella_res.inc"
    ;

struct DialogCase {
  int templateId;
  const char* name;  // as the resource header defines it
  const char* caption;
  bool visible;
};

const DialogCase kDialogs[] = {
    {IDD_NOTE_EDIT, "IDD_NOTE_EDIT", "編集", false},
    {IDD_SETTINGS, "IDD_SETTINGS", "設定", false},
    {IDD_ABOUT, "IDD_ABOUT", "バージョン情報", true},
    {IDD_DELETE_CONFIRM, "IDD_DELETE_CONFIRM", "消去確認", false},
};

bool SameClass(const std::string& a, const char* b) { return lstrcmpiA(a.c_str(), b) == 0; }

bool IsRadio(const testing::TemplateItem& item) {
  const DWORD kind = item.style & BS_TYPEMASK;
  return SameClass(item.className, "Button") && (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON);
}

class DialogTemplates : public ::testing::TestWithParam<DialogCase> {};

TEST_P(DialogTemplates, LoadWithTheHeadersIdsAndKeepTheirControlsInsideAndReachable) {
  const DialogCase& dialog = GetParam();
  testing::DialogTemplate t;
  ASSERT_TRUE(testing::LoadDialogTemplate(nullptr, dialog.templateId, &t));
  const DWORD frame = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(t.style, frame | (dialog.visible ? WS_VISIBLE : 0));
  EXPECT_EQ(t.caption, dialog.caption);
  EXPECT_EQ(t.pointSize, 9);
  EXPECT_EQ(t.fontName, "ＭＳ Ｐゴシック");

  // Every id of the header's group stands once; nothing else has an id but
  // OK and Cancel.
  const std::vector<int> headerIds = testing::HeaderControlIds(kResourceHeader, dialog.name);
  if (dialog.templateId != IDD_DELETE_CONFIRM) {
    EXPECT_FALSE(headerIds.empty());
  }
  std::vector<int> ids;
  for (const testing::TemplateItem& item : t.items) {
    if (item.id != IDC_STATIC) ids.push_back(item.id);
  }
  for (int id : headerIds) EXPECT_EQ(std::count(ids.begin(), ids.end(), id), 1) << "id " << id;
  for (int id : ids) {
    const bool known = id == IDOK || id == IDCANCEL || std::count(headerIds.begin(), headerIds.end(), id) > 0;
    EXPECT_TRUE(known) << "id " << id << " is not defined for " << dialog.name;
  }
  EXPECT_EQ(std::count(ids.begin(), ids.end(), IDOK), 1);

  const testing::TemplateItem* previous = nullptr;
  for (const testing::TemplateItem& item : t.items) {
    SCOPED_TRACE("id " + std::to_string(item.id) + " " + item.className + " " + item.text);
    EXPECT_EQ(item.style & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(item.exStyle, 0u);
    if (item.id == IDOK) {
      EXPECT_EQ(item.style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    }
    // Inside the dialog; a combo box's template height is that of its
    // dropped-down list, which may reach beyond.
    const bool combo = SameClass(item.className, "ComboBox");
    EXPECT_GE(item.x, 0);
    EXPECT_GE(item.y, 0);
    EXPECT_LE(item.x + item.cx, t.cx);
    EXPECT_LE(item.y + (combo ? 14 : item.cy), t.cy);
    // Every control a user works reaches the focus by Tab; the radio
    // buttons of a group after its first by the arrow keys.
    const bool input = SameClass(item.className, "Edit") || combo ||
                       (SameClass(item.className, "Button") && (item.style & BS_TYPEMASK) != BS_GROUPBOX);
    if (input && !(IsRadio(item) && previous && IsRadio(*previous) && !(item.style & WS_GROUP))) {
      EXPECT_TRUE(item.style & WS_TABSTOP);
    }
    previous = &item;
  }
}

INSTANTIATE_TEST_SUITE_P(NoteProgram, DialogTemplates, ::testing::ValuesIn(kDialogs),
                         [](const ::testing::TestParamInfo<DialogCase>& testCase) {
                           return std::string(testCase.param.name).substr(4);  // without IDD_
                         });

}  // namespace
}  // namespace zettrella
