// Driving setup.exe from a test.
#include "tests/setup/setup_driver.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

#include "resources/setup_res.h"

namespace zettrella::testing {

namespace {

constexpr DWORD kEndTimeoutMs = 20000;

bool StartsWithVariable(const char* entry, const char* name) {
  const size_t length = strlen(name);
  return _strnicmp(entry, name, length) == 0 && entry[length] == '=';
}

// This process's environment with USERPROFILE replaced or removed, as a
// block for CreateProcessA.
std::vector<char> EnvironmentWith(const std::optional<std::string>& userProfile) {
  std::vector<char> block;
  char* strings = GetEnvironmentStringsA();
  for (const char* entry = strings; *entry; entry += strlen(entry) + 1) {
    if (StartsWithVariable(entry, "USERPROFILE")) continue;
    block.insert(block.end(), entry, entry + strlen(entry) + 1);
  }
  FreeEnvironmentStringsA(strings);
  if (userProfile) {
    const std::string entry = "USERPROFILE=" + *userProfile;
    block.insert(block.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
  }
  block.push_back('\0');
  return block;
}

struct DialogSearch {
  std::string caption;
  HWND found = nullptr;
};

BOOL CALLBACK FindChildWithText(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  if (WindowText(child) != search->caption) return TRUE;
  search->found = child;
  return FALSE;
}

}  // namespace

void CreateFolders(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  if (slash != std::string::npos && slash > 2) CreateFolders(path.substr(0, slash));
  CreateDirectoryA(path.c_str(), nullptr);
}

SetupSandbox::SetupSandbox(bool withNoteProgram) {
  CopyFileOrFail(ExeDir() + "\\setup.exe", setupExe());
  if (withNoteProgram) CopyFileOrFail(ExeDir() + "\\zettrella_standin.exe", targetPath());
}

bool SetupProcess::Start(const std::string& exe, const std::optional<std::string>& userProfile) {
  const std::vector<char> environment = EnvironmentWith(userProfile);
  return ChildProcess::Start("\"" + exe + "\"", "", environment.data());
}

HWND FindMessageBox(DWORD pid) { return FindDialog(pid, ""); }

HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs) { return WaitForDialog(pid, "", timeoutMs); }

bool HasChildWithText(HWND window, const std::string& text) {
  DialogSearch search{text};
  EnumChildWindows(window, FindChildWithText, reinterpret_cast<LPARAM>(&search));
  return search.found != nullptr;
}

bool IsItemChecked(HWND dialog, int id) {
  return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsItemEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

HWND StartUninstall(DWORD pid, HWND dialog) {
  PressButton(dialog, IDC_SETUP_UNINSTALL);
  if (!PumpUntil([&] { return IsItemChecked(dialog, IDC_SETUP_UNINSTALL); })) return nullptr;
  PressButton(dialog, IDOK);
  return WaitForMessageBox(pid);
}

bool RunSetupAndPressOk(const std::string& setupExe, const std::string& userProfile) {
  SetupProcess setup;
  if (!setup.Start(setupExe, userProfile)) return false;
  HWND dialog = WaitForDialog(setup.Id(), kSetupCaption);
  if (!dialog) return false;
  PressButton(dialog, IDOK);
  return setup.Wait(kEndTimeoutMs);
}

ShortcutContent ReadShortcut(const std::string& file) {
  ShortcutContent content;
  if (FAILED(CoInitialize(nullptr))) return content;
  IShellLinkA* link = nullptr;
  IPersistFile* persist = nullptr;
  WCHAR widePath[MAX_PATH];
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
      MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, widePath, MAX_PATH) > 0 &&
      SUCCEEDED(persist->Load(widePath, STGM_READ))) {
    char text[MAX_PATH] = {};
    content.loaded = true;
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) content.path = text;
    text[0] = '\0';
    if (SUCCEEDED(link->GetArguments(text, MAX_PATH))) content.arguments = text;
    text[0] = '\0';
    if (SUCCEEDED(link->GetDescription(text, MAX_PATH))) content.description = text;
  }
  if (persist) persist->Release();
  if (link) link->Release();
  CoUninitialize();
  return content;
}

}  // namespace zettrella::testing
