// The resources inside setup.exe: the dialog template with the ids of the
// resource header, the icon, the side picture and the version information;
// and the manifests of both programs as Windows reads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/setup_res.h"
#include "tests/support/dialog_template.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

const std::string kResourceHeader =
#include "resource_text/setup_res.inc"
    ;

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

TEST_F(SetupResourcesTest, DialogTemplateHoldsTheHeadersIdsInsideTheDialog) {
  DialogTemplate dialog;
  ASSERT_TRUE(LoadDialogTemplate(module_, IDD_SETUP, &dialog));
  const DWORD frame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(dialog.style & frame, frame);
  EXPECT_EQ(dialog.caption, "Zettrella セットアップ");
  EXPECT_EQ(dialog.pointSize, 9);
  EXPECT_EQ(dialog.fontName, "ＭＳ Ｐゴシック");

  // The check boxes of the header, OK and Cancel, and the side picture;
  // nothing else has an id.
  std::vector<int> ids;
  for (const TemplateItem& item : dialog.items) {
    SCOPED_TRACE("id " + std::to_string(item.id) + " " + item.text);
    if (item.id != IDC_STATIC) ids.push_back(item.id);
    EXPECT_TRUE(item.style & WS_VISIBLE);
    EXPECT_GE(item.x, 0);
    EXPECT_GE(item.y, 0);
    EXPECT_LE(item.x + item.cx, dialog.cx);
    EXPECT_LE(item.y + item.cy, dialog.cy);
    if (item.id == IDOK) {
      EXPECT_EQ(item.style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    }
    if (item.id > 1000) {
      EXPECT_EQ(item.style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));
    }
    if (item.className == "Static") {
      EXPECT_EQ(item.text, "#" + std::to_string(IDB_SETUP_SIDE));
    }
  }
  const std::vector<int> headerIds = HeaderControlIds(kResourceHeader, "IDD_SETUP");
  EXPECT_EQ(headerIds.size(), 3u);
  for (int id : headerIds) EXPECT_EQ(std::count(ids.begin(), ids.end(), id), 1) << "id " << id;
  std::vector<int> expected = headerIds;
  expected.insert(expected.end(), {IDOK, IDCANCEL});
  std::sort(ids.begin(), ids.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(ids, expected);
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

// The activation context that a program's embedded manifest (resource 1 of
// type 24) makes; INVALID_HANDLE_VALUE when it has none.
HANDLE ManifestContext(const char* program) {
  const std::string path = ExeDir() + "\\" + program;
  ACTCTXA request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = path.c_str();
  request.lpResourceName = MAKEINTRESOURCEA(1);
  return CreateActCtxA(&request);
}

ACTCTX_REQUESTED_RUN_LEVEL RunLevelOf(HANDLE context) {
  ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level{};
  QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &level, sizeof level, nullptr);
  return level.RunLevel;
}

TEST(ProgramManifest, SetupRunsAsInvoker) {
  HANDLE setup = ManifestContext("setup.exe");
  ASSERT_NE(setup, INVALID_HANDLE_VALUE);
  EXPECT_EQ(RunLevelOf(setup), ACTCTX_RUN_LEVEL_AS_INVOKER);
  ReleaseActCtx(setup);
}

TEST(ProgramManifest, NoteProgramIsDpiAwareWithoutRunLevel) {
  HANDLE notes = ManifestContext("Zettrella.exe");
  ASSERT_NE(notes, INVALID_HANDLE_VALUE);
  wchar_t dpiAware[16] = L"";
  QueryActCtxSettingsW(0, notes, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware", dpiAware,
                       ARRAYSIZE(dpiAware), nullptr);
  EXPECT_STREQ(dpiAware, L"true");
  EXPECT_EQ(RunLevelOf(notes), ACTCTX_RUN_LEVEL_UNSPECIFIED);
  ReleaseActCtx(notes);
}

}  // namespace
}  // namespace zettrella::testing
