// Helpers of the vextal tests.
#include "tests/vextal/vextal_client.h"

#include <cstring>

#include "tests/support/win_test_support.h"

namespace vextal::testing {

bool Client::Open() {
  module = LoadLibraryA((zettrella::testing::ExeDir() + "\\vextal.dll").c_str());
  if (!module) return false;
  bool all = true;
#define VEXTAL_LOOKUP(name, result, params)                                  \
  name = reinterpret_cast<name##_fn>(                                       \
      reinterpret_cast<void*>(GetProcAddress(module, #name)));             \
  all = all && name != nullptr;
  VEXTAL_ENTRY_POINTS(VEXTAL_LOOKUP)
#undef VEXTAL_LOOKUP
  return all;
}

void Client::Close() {
  if (module) FreeLibrary(module);
  module = nullptr;
}

char* Block(std::string_view bytes) {
  if (bytes.empty()) return nullptr;
  auto* p = static_cast<char*>(GlobalAlloc(GMEM_FIXED, bytes.size()));
  std::memcpy(p, bytes.data(), bytes.size());
  return p;
}

std::string WordWrap(const Client& vx, std::string_view text, int32_t font, int32_t width) {
  int32_t len = -1;
  char* out = vx._word_wrap(Block(text), static_cast<int32_t>(text.size()), font, width, &len);
  std::string result;
  if (len > 0) {
    result.assign(out, static_cast<size_t>(len));
    GlobalFree(out);
  }
  return result;
}

RecordSink::RecordSink() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VextalRecordSink";
  RegisterClassA(&wc);  // fails harmlessly when already registered
  hwnd_ = CreateWindowExA(0, "VextalRecordSink", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                          wc.hInstance, this);
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
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(mem, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, shot.width, shot.height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* px = static_cast<const uint32_t*>(bits);
  shot.pixels.assign(px, px + size_t(shot.width) * shot.height);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return shot;
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

Card BuildCard(const Client& vx, int32_t x, int32_t y, int32_t width, int32_t priority,
               std::string_view text, int32_t background, int32_t textColour,
               std::string_view face, int32_t points) {
  Card card;
  vx._lock_draw();
  const int32_t font = vx._create_font(Block(face), static_cast<int32_t>(face.size()), points);
  const std::string wrapped = WordWrap(vx, text, font, width - 10);
  const auto wrappedLen = static_cast<int32_t>(wrapped.size());
  card.textRect = {5, 6, width - 5, 0};
  vx._draw_text(0, Block(wrapped), wrappedLen, font, textColour, &card.textRect,
                vextal::kMeasureOnly);
  card.height = card.textRect.bottom + 5 < 30 ? 30 : card.textRect.bottom + 5;
  card.id = vx._create(x, y, 0, 0, priority);
  card.bitmap = vx._create_bitmap(width, card.height, &card.extra);
  vx._set_image_h(card.id, card.bitmap, card.extra);
  vx._fill_rect(card.bitmap, card.extra, 0, 1, width, card.height - 1, background);
  vx._draw_line(card.bitmap, card.extra, 0, 0, width - 1, 0, 0x000000);
  vx._draw_text(card.bitmap, Block(wrapped), wrappedLen, font, textColour, &card.textRect, 0);
  vx._delete_font(font);
  vx._update_image_h(card.id);
  vx._unlock_draw();
  return card;
}

}  // namespace vextal::testing
