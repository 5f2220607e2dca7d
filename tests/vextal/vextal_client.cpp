// Helpers of the vextal tests.
#include "tests/vextal/vextal_client.h"

#include <cstring>

namespace vextal::testing {

bool Client::Open() {
  module = LoadLibraryA((zettrella::testing::ExeDir() + "\\vextal.dll").c_str());
  return module && Resolve(module);
}

void Client::Close() {
  if (module) FreeLibrary(module);
  module = nullptr;
}

std::string WordWrap(const Client& vx, std::string_view text, int32_t font, int32_t width) {
  return zettrella::VextalCalls(vx).WordWrap(text, font, width);
}

Card BuildCard(const Client& vx, int32_t x, int32_t y, int32_t width, int32_t priority, std::string_view text,
               int32_t background, int32_t textColour, std::string_view face, int32_t points) {
  zettrella::VextalCalls layer(vx);
  return driver::BuildCard(layer, x, y, width, priority, text, background, textColour, face, points);
}

RecordSink::RecordSink() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VextalRecordSink";
  RegisterClassA(&wc);  // fails harmlessly when already registered
  hwnd_ = CreateWindowExA(0, "VextalRecordSink", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance, this);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

RecordSink::~RecordSink() { DestroyWindow(hwnd_); }

LRESULT CALLBACK RecordSink::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    auto* self = reinterpret_cast<RecordSink*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!self) return 1;
    self->records.emplace_back(static_cast<const char*>(data->lpData), data->cbData);
    if (self->onRecord) self->onRecord(Fields(self->records.back()));
    return 1;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::vector<std::string> Fields(const std::string& record) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t end; (end = record.find("\r\n", start)) != std::string::npos; start = end + 2) {
    fields.push_back(record.substr(start, end - start));
  }
  if (start != record.size()) fields.push_back("<unterminated>" + record.substr(start));
  return fields;
}

std::vector<HWND> ObjectWindowsInZOrder() {
  std::vector<HWND> found;
  const DWORD thread = GetCurrentThreadId();
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    if (GetWindowThreadProcessId(w, nullptr) == thread && std::strcmp(name, "VextalObject") == 0) {
      found.push_back(w);
    }
  }
  return found;
}

int ZIndex(HWND hwnd) {
  int i = 0;
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT), ++i) {
    if (w == hwnd) return i;
  }
  return -1;
}

}  // namespace vextal::testing
