// The manifests of both built programs as Windows reads them: resource 1 of
// type 24 makes an activation context; setup runs as the user who starts it,
// the note program asks for no run level and is DPI aware.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

struct ManifestOf {
  explicit ManifestOf(const char* program) {
    const std::string path = ExeDir() + "\\" + program;
    ACTCTXA request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.c_str();
    request.lpResourceName = MAKEINTRESOURCEA(1);
    context = CreateActCtxA(&request);
  }
  ~ManifestOf() {
    if (context != INVALID_HANDLE_VALUE) ReleaseActCtx(context);
  }
  ACTCTX_REQUESTED_RUN_LEVEL RunLevel() const {
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level{};
    QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &level, sizeof level, nullptr);
    return level.RunLevel;
  }
  std::wstring DpiAware() const {
    wchar_t value[16] = L"";
    QueryActCtxSettingsW(0, context, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware", value,
                         ARRAYSIZE(value), nullptr);
    return value;
  }
  HANDLE context;
};

TEST(ProgramManifest, SetupRunsAsInvoker) {
  const ManifestOf setup("setup.exe");
  ASSERT_NE(setup.context, INVALID_HANDLE_VALUE);
  EXPECT_EQ(setup.RunLevel(), ACTCTX_RUN_LEVEL_AS_INVOKER);
}

// Without a run level Windows keeps virtualising the settings file in a
// program folder the user cannot write.
TEST(ProgramManifest, NoteProgramIsDpiAwareWithoutRunLevel) {
  const ManifestOf notes("Zettrella.exe");
  ASSERT_NE(notes.context, INVALID_HANDLE_VALUE);
  EXPECT_EQ(notes.DpiAware(), L"true");
  EXPECT_EQ(notes.RunLevel(), ACTCTX_RUN_LEVEL_UNSPECIFIED);
}

}  // namespace
}  // namespace zettrella::testing
