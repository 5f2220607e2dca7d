// Helpers shared by the Wine tests.
#include "tests/support/win_test_support.h"

#include "common/event_record.h"

#include <algorithm>
#include <cstdio>

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

}  // namespace zettrella::testing
