// Running the real note program for the tests.
#include "tests/support/zettrella_run.h"

#include <psapi.h>

#include <cstdlib>

#include "common/protocol.h"
#include "common/win_handles.h"

namespace zettrella::testing {

namespace {

constexpr DWORD kStartTimeoutMs = 30000;

std::string BuiltProgram() { return ExeDir() + "\\Zettrella.exe"; }
std::string RealLayer() { return ExeDir() + "\\vextal.dll"; }

// The window handle from the layer's "_attach(<hwnd>)" line.
HWND AttachedWindow(const std::vector<std::string>& calls) {
  for (const std::string& call : calls) {
    if (call.rfind("_attach(", 0) == 0) {
      return WindowOfId(std::atoi(call.c_str() + 8));
    }
  }
  return nullptr;
}

}  // namespace

ZettrellaRun::ZettrellaRun(const std::string& iniText, Layer layer, const std::string& folderName)
    : dir_("ztapp"), folder_(folderName.empty() ? dir_.path() : dir_.File(folderName)) {
  if (!folderName.empty()) CreateDirectoryA(folder_.c_str(), nullptr);
  CopyFileOrFail(BuiltProgram(), File("Zettrella.exe"));
  if (!iniText.empty()) WriteFileBytes(File("Zettrella.ini"), iniText);
  UseLayer(layer);
}

ZettrellaRun::~ZettrellaRun() {
  if (process_.Running()) {
    if (!Quit()) process_.Kill();
  }
}

void ZettrellaRun::UseLayer(Layer layer) {
  DeleteFileA(File("vextal.dll").c_str());
  DeleteFileA(File("vextal-mode.txt").c_str());
  layer_ = layer;
  if (layer == Layer::kNone) return;
  CopyFileOrFail(layer == Layer::kReal ? RealLayer() : RecordingLayerPath(), File("vextal.dll"));
  if (layer == Layer::kRecordingFailCreate) WriteFileBytes(File("vextal-mode.txt"), "fail-create");
}

bool ZettrellaRun::Start(const std::string& arguments) {
  DeleteFileA(File(kCallLogName).c_str());
  mark_ = 0;
  window_ = nullptr;
  const std::string command = "\"" + File("Zettrella.exe") + "\"" + (arguments.empty() ? "" : " " + arguments);
  if (!process_.Start(command, folder_)) return false;
  const bool logged = layer_ == Layer::kRecording || layer_ == Layer::kRecordingFailCreate;
  const bool found = PumpUntil(
      [&] {
        if (!process_.Running()) return false;
        if (logged) {
          window_ = AttachedWindow(Calls());
        } else {
          const std::vector<HWND> windows = WindowsOfProcess(process_.Id(), "#32770");
          window_ = windows.empty() ? nullptr : windows.front();
        }
        // The modal loop shows the window once its initialisation is done.
        return window_ != nullptr && IsWindowVisible(window_);
      },
      kStartTimeoutMs);
  if (!found) return false;
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, kStartTimeoutMs, &ignored) != 0;
}

bool ZettrellaRun::Quit() {
  if (window_) PostMessageA(window_, kQuitMessage, 0, 0);
  return process_.Wait(kStartTimeoutMs);
}

LRESULT ZettrellaRun::Send(const std::string& record, DWORD timeoutMs) const {
  return SendRaw(record.data(), static_cast<DWORD>(record.size()), timeoutMs);
}

LRESULT ZettrellaRun::SendRaw(const void* data, DWORD size, DWORD timeoutMs) const {
  COPYDATASTRUCT copy{};
  copy.dwData = 0x5A;  // not looked at
  copy.cbData = size;
  copy.lpData = const_cast<void*>(data);
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_NORMAL, timeoutMs, &answer)) {
    return 0;
  }
  return static_cast<LRESULT>(answer);
}

std::vector<std::string> ZettrellaRun::Calls() const { return ReadCallLog(folder_); }

std::vector<std::string> ZettrellaRun::NewCalls() const {
  std::vector<std::string> calls = Calls();
  if (mark_ >= calls.size()) return {};
  return std::vector<std::string>(calls.begin() + static_cast<ptrdiff_t>(mark_), calls.end());
}

std::string ZettrellaRun::IniBytes() const { return ReadFileBytes(File("Zettrella.ini")); }

std::string ZettrellaRun::Ini(const std::string& section, const std::string& key) const {
  return SettingsValue(File("Zettrella.ini"), section, key);
}

std::vector<std::string> BuildAt(const std::vector<std::string>& calls, size_t from) {
  for (size_t i = from; i < calls.size(); ++i) {
    if (calls[i] != "_lock_draw()") continue;
    for (size_t j = i; j < calls.size(); ++j) {
      if (calls[j] == "_unlock_draw()") {
        return std::vector<std::string>(calls.begin() + static_cast<ptrdiff_t>(i),
                                        calls.begin() + static_cast<ptrdiff_t>(j) + 1);
      }
    }
    return {};
  }
  return {};
}

std::vector<std::vector<std::string>> Builds(const std::vector<std::string>& calls) {
  std::vector<std::vector<std::string>> builds;
  for (size_t i = 0; i < calls.size(); ++i) {
    if (calls[i] != "_lock_draw()") continue;
    std::vector<std::string> build = BuildAt(calls, i);
    if (build.empty()) break;
    i += build.size() - 1;
    builds.push_back(std::move(build));
  }
  return builds;
}

std::vector<std::string> CallsNamed(const std::vector<std::string>& calls, const std::string& prefix) {
  std::vector<std::string> named;
  for (const std::string& call : calls) {
    if (call.rfind(prefix, 0) == 0) named.push_back(call);
  }
  return named;
}

bool Answers(HWND window, DWORD timeoutMs) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

ProcessMemory MemoryOf(HANDLE process) {
  // PagefileUsage is the process's private commit, the same figure as the
  // extended PrivateUsage, which Wine leaves at zero for another process.
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return {};
  return {counters.PagefileUsage, counters.WorkingSetSize};
}

std::string NoteSection(int number, const std::string& body) {
  return "[Husen" + std::to_string(number) + "]\r\n" + body;
}

uint32_t Noise::Next() {
  // xorshift64*: plenty for test data, and the same on every machine.
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<uint32_t>((state_ * 2685821657736338717ull) >> 32);
}

std::string Noise::Bytes(size_t count) {
  std::string bytes(count, '\0');
  for (char& c : bytes) c = static_cast<char>(Next() & 0xFF);
  return bytes;
}

}  // namespace zettrella::testing
