// The application manifests of both programs as Windows reads them from the
// built files: resource 1 of type 24 makes an activation context with common
// controls 6 and the supported Windows versions, and with each program's run
// level and DPI awareness.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/win_test_support.h"

namespace zettrella::testing {
namespace {

// The activation context of a program's embedded manifest.
class ProgramManifest {
 public:
  explicit ProgramManifest(const char* program) : path_(ExeDir() + "\\" + program) {
    ACTCTXA request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path_.c_str();
    request.lpResourceName = MAKEINTRESOURCEA(1);
    context_ = CreateActCtxA(&request);
  }
  ~ProgramManifest() {
    if (Found()) ReleaseActCtx(context_);
  }
  ProgramManifest(const ProgramManifest&) = delete;
  ProgramManifest& operator=(const ProgramManifest&) = delete;

  bool Found() const { return context_ != INVALID_HANDLE_VALUE; }

  ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION RunLevel() const {
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level{};
    QueryActCtxW(0, context_, nullptr, RunlevelInformationInActivationContext, &level, sizeof level, nullptr);
    return level;
  }

  // The entries of the compatibility section: the manifests list only
  // supported Windows versions. (The element's size differs between Windows
  // versions, so only the count is read.)
  DWORD CompatibilityCount() const {
    const std::vector<BYTE> info = Query(CompatibilityInformationInActivationContext, nullptr);
    if (info.empty()) return 0;
    return reinterpret_cast<const ACTIVATION_CONTEXT_COMPATIBILITY_INFORMATION*>(info.data())->ElementCount;
  }

  // The encoded identities of the program and the assemblies it depends on.
  std::vector<std::wstring> Assemblies() const {
    std::vector<std::wstring> names;
    const std::vector<BYTE> detail = Query(ActivationContextDetailedInformation, nullptr);
    if (detail.empty()) return names;
    const DWORD count =
        reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(detail.data())->ulAssemblyCount;
    for (DWORD index = 1; index <= count; ++index) {
      const std::vector<BYTE> info = Query(AssemblyDetailedInformationInActivationContext, &index);
      const auto* assembly = reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(info.data());
      if (!info.empty() && assembly->lpAssemblyEncodedAssemblyIdentity) {
        names.emplace_back(assembly->lpAssemblyEncodedAssemblyIdentity);
      }
    }
    return names;
  }

  // A value of the Windows settings schema of 2005 ("" when absent).
  std::wstring WindowsSetting(const wchar_t* name) const {
    wchar_t value[64] = L"";
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context_, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", name, value,
                              ARRAYSIZE(value), &written)) {
      return std::wstring();
    }
    return value;
  }

 private:
  std::vector<BYTE> Query(ULONG infoClass, void* subInstance) const {
    SIZE_T needed = 0;
    QueryActCtxW(0, context_, subInstance, infoClass, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    if (needed == 0 || !QueryActCtxW(0, context_, subInstance, infoClass, info.data(), needed, &needed)) info.clear();
    return info;
  }

  std::string path_;
  HANDLE context_ = INVALID_HANDLE_VALUE;
};

bool DependsOnCommonControls6(const ProgramManifest& manifest) {
  for (const std::wstring& identity : manifest.Assemblies()) {
    if (identity.find(L"Microsoft.Windows.Common-Controls") != std::wstring::npos &&
        identity.find(L"version=\"6.") != std::wstring::npos) {
      return true;
    }
  }
  return false;
}

TEST(ProgramManifest, SetupRunsAsInvokerWithCommonControls6) {
  ProgramManifest manifest("setup.exe");
  ASSERT_TRUE(manifest.Found());
  const ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level = manifest.RunLevel();
  EXPECT_EQ(level.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
  EXPECT_EQ(level.UiAccess, 0u);
  EXPECT_TRUE(DependsOnCommonControls6(manifest));
  EXPECT_EQ(manifest.CompatibilityCount(), 5u);
}

// No run level, so that Windows keeps virtualising the settings file in a
// program folder the user cannot write.
TEST(ProgramManifest, NoteProgramIsDpiAwareWithoutRunLevel) {
  ProgramManifest manifest("Zettrella.exe");
  ASSERT_TRUE(manifest.Found());
  EXPECT_EQ(manifest.WindowsSetting(L"dpiAware"), L"true");
  EXPECT_EQ(manifest.RunLevel().RunLevel, ACTCTX_RUN_LEVEL_UNSPECIFIED);
  EXPECT_TRUE(DependsOnCommonControls6(manifest));
  EXPECT_EQ(manifest.CompatibilityCount(), 5u);
}

}  // namespace
}  // namespace zettrella::testing
