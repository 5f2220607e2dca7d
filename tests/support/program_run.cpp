// Running the real note program in tests.
#include "tests/support/program_run.h"

#include <cstdio>
#include <cstdlib>

namespace zettrella::testing {

ProgramRun::ProgramRun(Layer layer, const std::string& ini) : dir_("zrun") {
  CopyFileOrFail(ExeDir() + "\\Zettrella.exe", dir_.File("Zettrella.exe"));
  if (layer == Layer::kRecording) {
    CopyFileOrFail(ExeDir() + "\\..\\recording\\vextal.dll", dir_.File("vextal.dll"));
  }
  if (!ini.empty()) WriteFileBytes(IniPath(), ini);
}

ProgramRun::~ProgramRun() {
  if (process_.Running()) {
    if (window_) PostMessageA(window_, WM_USER + 1, 0, 0);
    if (!process_.Wait(5000)) process_.Kill();
  }
}

bool ProgramRun::Start(const std::string& arguments) {
  const std::string command = "\"" + dir_.File("Zettrella.exe") + "\"" + (arguments.empty() ? "" : " " + arguments);
  if (!process_.Start(command, dir_.path())) return false;
  // The window is published first thing during start-up; the layer library
  // (when there is one) is attached a moment later.
  const bool published = PumpUntil([&] {
    HWND published = PublishedWindow();
    if (!published || !IsWindow(published)) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(published, &pid);
    if (pid != process_.Id()) return false;
    window_ = published;
    return true;
  });
  if (!published) {
    fprintf(stderr, "program not published: running=%d exit=%lu store=\"%s\"\n", process_.Running() ? 1 : 0,
            process_.ExitCode(), ReadFileBytes(StoreFilePath()).c_str());
    return false;
  }
  // The dialog shows itself once its start-up has run; a message sent
  // earlier could be answered in the middle of start-up.
  if (!PumpUntil([&] { return IsWindowVisible(window_) != FALSE; })) {
    fprintf(stderr, "program window never shown\n");
    return false;
  }
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &ignored) != 0;
}

bool ProgramRun::Quit() {
  if (!window_) return false;
  PostMessageA(window_, WM_USER + 1, 0, 0);
  return process_.Wait(10000);
}

std::string ProgramRun::IniValue(const char* section, const char* key) const {
  char value[2048] = {};
  GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, IniPath().c_str());
  return value;
}

std::string ProgramRun::StoreFilePath() {
  char temp[MAX_PATH] = {};
  GetEnvironmentVariableA("TEMP", temp, MAX_PATH);
  return std::string(temp) + "\\fmo5A65747472656C6C61";
}

HWND ProgramRun::PublishedWindow() {
  const std::string content = ReadFileBytes(StoreFilePath());
  const std::string prefix = "HWnd=";
  if (content.compare(0, prefix.size(), prefix) != 0) return nullptr;
  const long value = strtol(content.c_str() + prefix.size(), nullptr, 10);
  return reinterpret_cast<HWND>(static_cast<intptr_t>(value));
}

LRESULT SendRecord(HWND window, const std::string& record) {
  COPYDATASTRUCT data{};
  data.cbData = static_cast<DWORD>(record.size());
  data.lpData = const_cast<char*>(record.data());
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 10000, &result);
  return static_cast<LRESULT>(result);
}

}  // namespace zettrella::testing
