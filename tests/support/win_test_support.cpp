// The Wine tests' harness: everything but the main window's driver
// (board_harness.cpp), which only the tests that run the board link.
#include "tests/support/win_test_support.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "common/dialog.h"
#include "common/event_record.h"
#include "common/win_handles.h"
#include "resources/setup_res.h"

namespace zettrella::testing {

void PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpPending();
    if (cond()) return true;
    if (GetTickCount() - start >= timeoutMs) return cond();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

std::string ExeDir() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path);
  return s.substr(0, s.find_last_of('\\'));
}

TempDir::TempDir(const std::string& prefix) {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    char name[MAX_PATH];
    snprintf(name, sizeof name, "%s%s%lu_%u", base, prefix.c_str(), GetCurrentProcessId(), ++counter);
    if (CreateDirectoryA(name, nullptr)) {
      path_ = name;
      return;
    }
  }
}

TempDir::~TempDir() { RemoveTree(path_); }

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = path + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(full.c_str());
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(path.c_str());
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return bytes;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
  fclose(f);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return;
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
}

void CopyFileOrFail(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
    fprintf(stderr, "cannot copy %s to %s\n", from.c_str(), to.c_str());
    abort();
  }
}

ChildProcess::~ChildProcess() {
  if (info_.hProcess) {
    if (Running()) Kill();
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
}

bool ChildProcess::Start(const std::string& commandLine, const std::string& workDir, const char* environment) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  // Under load Wine now and then fails to start a process at the first try;
  // a failure that stays is reported with its error code.
  for (int attempt = 1;; ++attempt) {
    std::string cmd = commandLine;
    if (CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, const_cast<char*>(environment),
                       workDir.empty() ? nullptr : workDir.c_str(), &si, &info_)) {
      return true;
    }
    const DWORD error = GetLastError();
    std::fprintf(stderr, "CreateProcessA(%s) failed with error %lu (try %d)\n", commandLine.c_str(),
                 static_cast<unsigned long>(error), attempt);
    if (attempt == 5) return false;
    Sleep(200);
  }
}

bool ChildProcess::Wait(DWORD timeoutMs) {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool ChildProcess::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD ChildProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void ChildProcess::Kill() {
  if (info_.hProcess) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
}

FARPROC SwapImport(HMODULE module, const char* dll, const char* name, FARPROC to) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* nt =
      reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* imp = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); imp->Name; ++imp) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + imp->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
      DWORD protection = 0;
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
      const auto before = reinterpret_cast<FARPROC>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(to);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
      return before;
    }
  }
  return nullptr;
}

namespace {
struct EnumState {
  DWORD pid;
  std::string className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  auto* state = reinterpret_cast<EnumState*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != state->pid) return TRUE;
  if (!state->className.empty()) {
    char cls[256] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (state->className != cls) return TRUE;
  }
  state->found.push_back(hwnd);
  return TRUE;
}
}  // namespace

std::vector<HWND> WindowsOfProcess(DWORD processId, const std::string& className) {
  EnumState state{processId, className, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    pos = end + 1;
  }
  return lines;
}

std::string RecordingLayerPath() { return ExeDir() + "\\..\\recording\\vextal.dll"; }

std::vector<std::string> ReadCallLog(const std::string& folder) {
  return SplitLines(ReadFileBytes(folder + "\\" + kCallLogName));
}

std::string SettingsValue(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& missing) {
  bool inSection = false;
  for (const std::string& line : SplitLines(ReadFileBytes(path))) {
    if (!line.empty() && line.front() == '[') {
      inSection = line == "[" + section + "]";
      continue;
    }
    if (inSection && line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  }
  return missing;
}

std::string Record(const std::string& name, int id, int x, int y) { return FormatEventRecord(name, id, x, y); }

std::string Ini(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

bool HasCall(const std::vector<std::string>& calls, const std::string& prefix) { return CountCalls(calls, prefix) > 0; }

int CountCalls(const std::vector<std::string>& calls, const std::string& prefix) {
  int n = 0;
  for (const std::string& call : calls) n += call.compare(0, prefix.size(), prefix) == 0;
  return n;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND FindDialog(DWORD processId, const char* caption, std::initializer_list<HWND> except) {
  for (HWND window : WindowsOfProcess(processId, "#32770")) {
    if (!IsWindowVisible(window) || std::find(except.begin(), except.end(), window) != except.end()) continue;
    if (!caption || WindowText(window) == caption) return window;
  }
  return nullptr;
}

HWND WaitForDialog(DWORD processId, const char* caption, DWORD timeoutMs) {
  HWND found = nullptr;
  PumpUntil([&] { return (found = FindDialog(processId, caption)) != nullptr; }, timeoutMs);
  return found;
}

void PressButton(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PostKey(HWND target, WORD virtualKey) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | scan);
  PostMessageA(target, WM_KEYUP, virtualKey, 1 | scan | static_cast<LPARAM>(0xC0000000u));
}

void SendMouse(DWORD flags, int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  if (flags & MOUSEEVENTF_MOVE) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = static_cast<LONG>((int64_t{x} * 65536 + w - 1) / w);
    in.mi.dy = static_cast<LONG>((int64_t{y} * 65536 + h - 1) / h);
    flags |= MOUSEEVENTF_ABSOLUTE;
  }
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

// Driving a modal dialog: a thread timer, whose callback the dialog's own
// loop dispatches, runs the test's action once the dialog is up.

namespace {

constexpr UINT kPollMs = 10;
constexpr DWORD kGiveUpMs = 20000;
// How long a shown dialog may wait to become the active window (the first
// window of a Wine session can lose activation to the desktop starting up).
constexpr DWORD kActivationMs = 3000;

// The one dialog being driven; dialogs run one at a time on the test thread.
struct Drive {
  ui::Dialog* dialog = nullptr;
  const std::function<void(HWND)>* act = nullptr;
  bool acted = false;
  DWORD shownAt = 0;
  DWORD actedAt = 0;
  UINT_PTR timer = 0;
};
Drive* current = nullptr;

void CALLBACK OnDriveTimer(HWND, UINT, UINT_PTR, DWORD) {
  Drive* drive = current;
  if (!drive) return;
  HWND hwnd = drive->dialog->hwnd();
  if (!hwnd || !IsWindowVisible(hwnd)) return;
  if (!drive->shownAt) drive->shownAt = GetTickCount();
  // Keyboard input and the focus belong to the active window: act once the
  // dialog is in front, as it is for a user.
  if (!drive->acted && GetForegroundWindow() != hwnd && GetTickCount() - drive->shownAt < kActivationMs) {
    SetForegroundWindow(hwnd);
    return;
  }
  if (!drive->acted) {
    drive->acted = true;
    drive->actedAt = GetTickCount();
    (*drive->act)(hwnd);
    return;
  }
  if (GetTickCount() - drive->actedAt > kGiveUpMs) {
    ADD_FAILURE() << "the dialog did not close after the test's action";
    drive->dialog->EndModal(IDCANCEL);
  }
}

}  // namespace

INT_PTR RunDriven(ui::Dialog& dialog, const std::function<void(HWND)>& act) {
  Drive drive;
  drive.dialog = &dialog;
  drive.act = &act;
  current = &drive;
  drive.timer = SetTimer(nullptr, 0, kPollMs, &OnDriveTimer);
  const INT_PTR result = dialog.RunModal();
  KillTimer(nullptr, drive.timer);
  current = nullptr;
  EXPECT_TRUE(drive.acted) << "the dialog never became visible";
  return result;
}

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void Type(HWND dialog, int id, const std::string& text) {
  HWND control = GetDlgItem(dialog, id);
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  if (GetComboBoxInfo(control, &combo) && combo.hwndItem) control = combo.hwndItem;
  // Characters as the keyboard delivers them: select everything, delete it,
  // then each character, so that the edit notifies and applies its limit.
  SendMessageA(control, EM_SETSEL, 0, -1);
  SendMessageW(control, WM_CHAR, VK_BACK, 1);
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                                      static_cast<int>(wide.size()))));
  for (wchar_t c : wide) SendMessageW(control, WM_CHAR, c, 1);

  // The combo boxes' edit fields do not scroll, so they refuse characters
  // beyond their width; such a text is put in as a whole instead.
  char typed[4096] = {};
  GetWindowTextA(control, typed, sizeof typed);
  if (text != typed) {
    if (combo.hwndItem) SendMessageA(combo.hwndCombo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextA(control, text.c_str());
  }
}

std::string ControlText(HWND dialog, int id) {
  char text[4096] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const auto count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[128] = {};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

ScreenShot CaptureScreen(const RECT& area) {
  ScreenShot shot;
  shot.left = area.left;
  shot.top = area.top;
  shot.width = area.right - area.left;
  shot.height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = shot.width;
  info.bmiHeader.biHeight = -shot.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  WindowDc screen(nullptr);
  UniqueMemoryDc mem(CreateCompatibleDC(screen.get()));
  void* bits = nullptr;
  UniqueBitmap bmp(CreateDIBSection(mem.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  SelectedObject selected(mem.get(), bmp.get());
  BitBlt(mem.get(), 0, 0, shot.width, shot.height, screen.get(), area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* px = static_cast<const uint32_t*>(bits);
  shot.pixels.assign(px, px + size_t(shot.width) * shot.height);
  return shot;
}

void SaveScreenshot(HWND window, const std::string& name) {
  char folder[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("ZETTRELLA_SCREENSHOTS", folder, sizeof folder)) return;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT rect{};
  GetWindowRect(window, &rect);
  ScreenShot shot = CaptureScreen(rect);
  // The screen's fourth byte is no alpha; viewers would take it for one.
  for (uint32_t& pixel : shot.pixels) pixel |= 0xFF000000u;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = shot.width;
  header.biHeight = -shot.height;  // top-down, as captured
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biSizeImage = static_cast<DWORD>(shot.pixels.size() * sizeof shot.pixels[0]);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
  bytes.append(reinterpret_cast<const char*>(shot.pixels.data()), header.biSizeImage);
  WriteFileBytes(std::string(folder) + "\\" + name + ".bmp", bytes);
}

// Driving setup.exe.

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

SetupSandbox::SetupSandbox(bool withNoteProgram, ShortcutFolders folders) {
  CopyFileOrFail(ExeDir() + "\\setup.exe", setupExe());
  if (withNoteProgram) CopyFileOrFail(ExeDir() + "\\zettrella_standin.exe", targetPath());
  if (folders == ShortcutFolders::kQuickLaunch || folders == ShortcutFolders::kBoth) CreateFolders(quickLaunchDir());
  if (folders == ShortcutFolders::kStartup || folders == ShortcutFolders::kBoth) CreateFolders(startupDir());
}

bool ChildProcess::StartWithProfile(const std::string& exe, const std::optional<std::string>& userProfile) {
  const std::vector<char> environment = EnvironmentWith(userProfile);
  return Start("\"" + exe + "\"", "", environment.data());
}

bool HasChildWithText(HWND window, const std::string& text) {
  DialogSearch search{text};
  EnumChildWindows(window, FindChildWithText, reinterpret_cast<LPARAM>(&search));
  return search.found != nullptr;
}

HWND SetupSandbox::StartSetup(ChildProcess& setup) const {
  return setup.StartWithProfile(setupExe(), profileDir()) ? WaitForDialog(setup.Id(), kSetupCaption) : nullptr;
}

HWND StartUninstall(DWORD pid, HWND dialog) {
  PressButton(dialog, IDC_SETUP_UNINSTALL);
  if (!PumpUntil([&] { return Checked(dialog, IDC_SETUP_UNINSTALL); })) return nullptr;
  PressButton(dialog, IDOK);
  return WaitForDialog(pid, kMessageBox);
}

bool RunSetupAndPressOk(const std::string& setupExe, const std::string& userProfile) {
  ChildProcess setup;
  if (!setup.StartWithProfile(setupExe, userProfile)) return false;
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
