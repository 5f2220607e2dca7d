// The resources inside setup.exe: dialog template 102 control by control,
// the icon, the side picture and the version information.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/setup_res.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

// A name or ordinal field of a dialog template, read as text; an ordinal
// becomes "#<number>".
std::string ReadNameOrOrdinal(const WORD*& p) {
  if (*p == 0xFFFF) {
    const WORD ordinal = p[1];
    p += 2;
    return "#" + std::to_string(ordinal);
  }
  std::wstring wide;
  while (*p) wide += static_cast<wchar_t>(*p++);
  ++p;
  char text[512] = {};
  WideCharToMultiByte(932, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
  return text;
}

struct TemplateItem {
  DWORD style;
  RECT rect;  // left, top, width, height in dialog units
  int id;
  std::string className;
  std::string text;
};

struct DialogTemplate {
  DWORD style = 0;
  RECT rect{};
  std::string caption;
  WORD pointSize = 0;
  std::string font;
  std::vector<TemplateItem> items;
};

const WORD* AlignToDword(const WORD* p, const void* base) {
  const auto offset = reinterpret_cast<const BYTE*>(p) - static_cast<const BYTE*>(base);
  return reinterpret_cast<const WORD*>(static_cast<const BYTE*>(base) + ((offset + 3) & ~3));
}

// Reads an extended dialog template (DIALOGEX), the form the resource
// compiler writes for this program.
bool ParseDialogEx(const void* data, DialogTemplate* out) {
  const WORD* p = static_cast<const WORD*>(data);
  if (p[0] != 1 || p[1] != 0xFFFF) return false;
  const auto dword = [](const WORD* at) { return static_cast<DWORD>(at[0] | (at[1] << 16)); };
  out->style = dword(p + 6);
  const WORD count = p[8];
  out->rect = {static_cast<short>(p[9]), static_cast<short>(p[10]), static_cast<short>(p[11]),
               static_cast<short>(p[12])};
  p += 13;
  ReadNameOrOrdinal(p);  // menu
  ReadNameOrOrdinal(p);  // class
  out->caption = ReadNameOrOrdinal(p);
  if (out->style & DS_SETFONT) {
    out->pointSize = p[0];
    p += 3;  // size, weight, italic and charset
    out->font = ReadNameOrOrdinal(p);
  }
  for (WORD i = 0; i < count; ++i) {
    p = AlignToDword(p, data);
    TemplateItem item{};
    item.style = dword(p + 4);
    item.rect = {static_cast<short>(p[6]), static_cast<short>(p[7]), static_cast<short>(p[8]),
                 static_cast<short>(p[9])};
    item.id = static_cast<int>(dword(p + 10));
    p += 12;
    item.className = ReadNameOrOrdinal(p);
    if (item.className == "#128") item.className = "Button";
    if (item.className == "#130") item.className = "Static";
    item.text = ReadNameOrOrdinal(p);
    p += 1 + *p / sizeof(WORD);  // creation data
    out->items.push_back(item);
  }
  return true;
}

class SetupResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExA((ExeDir() + "\\setup.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(module_);
  }
  void TearDown() override {
    if (module_) FreeLibrary(module_);
  }
  const void* Resource(int id, LPCSTR type) const {
    HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
    return found ? LockResource(LoadResource(module_, found)) : nullptr;
  }

  HMODULE module_ = nullptr;
};

TEST_F(SetupResourcesTest, DialogTemplateHasTheLayoutOfTheSetupDialog) {
  const void* data = Resource(IDD_SETUP, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
  ASSERT_TRUE(data);
  DialogTemplate dialog;
  ASSERT_TRUE(ParseDialogEx(data, &dialog));

  const DWORD frame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(dialog.style & frame, frame);
  EXPECT_EQ(dialog.rect.right, 255);
  EXPECT_EQ(dialog.rect.bottom, 133);
  EXPECT_EQ(dialog.caption, "Zettrella セットアップ");
  EXPECT_EQ(dialog.pointSize, 9);
  EXPECT_EQ(dialog.font, "ＭＳ Ｐゴシック");

  struct Expected {
    int id;
    const char* className;
    DWORD kind;
    const char* text;
    RECT rect;
  };
  const Expected expected[] = {
      {IDOK, "Button", BS_DEFPUSHBUTTON, "設定", {144, 114, 50, 14}},
      {IDCANCEL, "Button", BS_PUSHBUTTON, "キャンセル", {200, 114, 50, 14}},
      {-1, "Button", BS_GROUPBOX, "", {62, 0, 188, 109}},
      {IDC_SETUP_QUICK_LAUNCH, "Button", BS_AUTOCHECKBOX, "クイック起動バーに「付箋」を追加する", {67, 10, 178, 10}},
      {IDC_SETUP_STARTUP, "Button", BS_AUTOCHECKBOX, "スタートアップに「付箋」を追加する", {67, 23, 178, 10}},
      {IDC_SETUP_UNINSTALL, "Button", BS_AUTOCHECKBOX, "アンインストール", {62, 118, 64, 10}},
      {-1, "Static", SS_BITMAP, "#129", {0, 0, 57, 133}},
  };
  ASSERT_EQ(dialog.items.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    const TemplateItem& item = dialog.items[i];
    const Expected& want = expected[i];
    SCOPED_TRACE(want.text);
    EXPECT_EQ(static_cast<short>(item.id), want.id);
    EXPECT_STRCASEEQ(item.className.c_str(), want.className);
    EXPECT_EQ(item.style & 0x1F, want.kind);
    EXPECT_EQ(item.text, want.text);
    EXPECT_EQ(item.rect.left, want.rect.left);
    EXPECT_EQ(item.rect.top, want.rect.top);
    EXPECT_EQ(item.rect.right, want.rect.right);
    EXPECT_EQ(item.rect.bottom, want.rect.bottom);
    EXPECT_TRUE(item.style & WS_VISIBLE);
  }
}

TEST_F(SetupResourcesTest, IconAndSidePictureArePresent) {
  EXPECT_TRUE(Resource(IDI_SETUP, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */));
  EXPECT_TRUE(Resource(IDB_SETUP_SIDE, MAKEINTRESOURCEA(2) /* RT_BITMAP */));
}

TEST(SetupVersionResource, NamesTheProgram) {
  const std::string exe = ExeDir() + "\\setup.exe";
  DWORD ignored = 0;
  std::vector<char> info(GetFileVersionInfoSizeA(exe.c_str(), &ignored));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

  const auto value = [&](const char* name) {
    char* text = nullptr;
    UINT length = 0;
    const std::string query = std::string("\\StringFileInfo\\041103a4\\") + name;
    if (!VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&text), &length)) return std::string("?");
    return std::string(text);
  };
  EXPECT_EQ(value("FileDescription"), "Zettrella セットアップ");
  EXPECT_EQ(value("InternalName"), "Setup");
  EXPECT_EQ(value("ProductName"), "Setup");
  EXPECT_EQ(value("OriginalFilename"), "Setup.exe");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS | fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS | fixed->dwProductVersionLS, 0u);
}

}  // namespace
}  // namespace zettrella::testing
