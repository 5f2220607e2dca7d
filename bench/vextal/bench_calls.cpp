// Benchmark of the single calls: builds 100 notes with the note program's
// call sequence, and then builds them again, timing every entry point on its own, and prints the mean
// cost of each call per note, for 1 KB notes and for short ones. Beside it,
// the floor: the same windows and bitmaps put on the screen with nothing
// else done (as bench/floor does), so that the library's own share shows.
#include <windows.h>

#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

#include "bench/vextal/sample_card.h"

namespace {

using vextal::driver::Card;
using zettrella::NoteLayer;

constexpr int kNotes = 100;
constexpr int kWidth = 200;

double Now() {
  static const double perMs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / perMs;
}

void PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// The steps of one build, in the program's order.
enum Step {
  kLock,
  kFont,
  kWrap,
  kMeasure,
  kDelete,
  kCreate,
  kDeleteBitmap,
  kBitmap,
  kSetImage,
  kFill,
  kLine,
  kText,
  kDeleteFont,
  kUpdate,
  kUnlock,
  kSteps
};
constexpr const char* kStepNames[kSteps] = {
    "_lock_draw", "_create_font",         "_word_wrap",     "_draw_text measure", "_delete (old)",
    "_create",    "_delete_bitmap (old)", "_create_bitmap", "_set_image_h",       "_fill_rect",
    "_draw_line", "_draw_text",           "_delete_font",   "_update_image_h",    "_unlock_draw"};

// Runs the call and adds its time to its step.
template <typename Call>
auto Timed(double* spent, Step step, Call call) {
  const double start = Now();
  if constexpr (std::is_void_v<decltype(call())>) {
    call();
    spent[step] += Now() - start;
  } else {
    auto result = call();
    spent[step] += Now() - start;
    return result;
  }
}

// The layer with the time of each call added to its step.
class TimedLayer : public NoteLayer {
 public:
  TimedLayer(NoteLayer& layer, double* spent) : layer_(layer), spent_(spent) {}

  void Unload() override { layer_.Unload(); }
  void Floating(int32_t on) override { layer_.Floating(on); }
  void Attach(int32_t window) override { layer_.Attach(window); }
  int32_t Create(int32_t x, int32_t y, int32_t priority) override {
    return Timed(spent_, kCreate, [&] { return layer_.Create(x, y, priority); });
  }
  void Delete(int32_t id) override {
    Timed(spent_, kDelete, [&] { layer_.Delete(id); });
  }
  void Move(int32_t id, int32_t dx, int32_t dy) override { layer_.Move(id, dx, dy); }
  int32_t GetPosX(int32_t id) override { return layer_.GetPosX(id); }
  int32_t GetPosY(int32_t id) override { return layer_.GetPosY(id); }
  void SetPriority(int32_t id, int32_t priority) override { layer_.SetPriority(id, priority); }
  void Redraw() override { layer_.Redraw(); }
  void UpdateDesktopSize() override { layer_.UpdateDesktopSize(); }
  void LockDraw() override {
    Timed(spent_, kLock, [&] { layer_.LockDraw(); });
  }
  void UnlockDraw() override {
    Timed(spent_, kUnlock, [&] { layer_.UnlockDraw(); });
  }
  int32_t MakeFont(std::string_view name, int32_t size) override {
    return Timed(spent_, kFont, [&] { return layer_.MakeFont(name, size); });
  }
  void DeleteFont(int32_t font) override {
    Timed(spent_, kDeleteFont, [&] { layer_.DeleteFont(font); });
  }
  std::string WordWrap(std::string_view text, int32_t font, int32_t width) override {
    return Timed(spent_, kWrap, [&] { return layer_.WordWrap(text, font, width); });
  }
  void PaintText(int32_t bitmap, std::string_view text, int32_t font, int32_t colour, vextal::Rect* rect,
                 int32_t flags) override {
    Timed(spent_, bitmap == 0 ? kMeasure : kText, [&] { layer_.PaintText(bitmap, text, font, colour, rect, flags); });
  }
  int32_t CreateBitmap(int32_t width, int32_t height, int32_t* extra) override {
    return Timed(spent_, kBitmap, [&] { return layer_.CreateBitmap(width, height, extra); });
  }
  void DeleteBitmap(int32_t bitmap) override {
    Timed(spent_, kDeleteBitmap, [&] { layer_.DeleteBitmap(bitmap); });
  }
  void FillRect(int32_t bitmap, int32_t extra, int32_t x, int32_t y, int32_t width, int32_t height,
                int32_t colour) override {
    Timed(spent_, kFill, [&] { layer_.FillRect(bitmap, extra, x, y, width, height, colour); });
  }
  void DrawLine(int32_t bitmap, int32_t extra, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                int32_t colour) override {
    Timed(spent_, kLine, [&] { layer_.DrawLine(bitmap, extra, x1, y1, x2, y2, colour); });
  }
  void SetImage(int32_t id, int32_t bitmap, int32_t extra) override {
    Timed(spent_, kSetImage, [&] { layer_.SetImage(id, bitmap, extra); });
  }
  void UpdateImage(int32_t id) override {
    Timed(spent_, kUpdate, [&] { layer_.UpdateImage(id); });
  }

 private:
  NoteLayer& layer_;
  double* spent_;
};

// Builds (or rebuilds) one card as the note program does, adding the time
// of each step to `spent`.
Card Build(NoteLayer& layer, const Card& old, int i, const std::string& text, double* spent) {
  TimedLayer timed(layer, spent);
  return vextal::driver::BuildCard(timed, (i % 10) * 80, (i / 10) * 60, kWidth, i, text, 0x7FFFFF, 0, "ＭＳ Ｐゴシック",
                                   12, old);
}

void Report(const char* title, const double* spent) {
  double total = 0;
  for (int s = 0; s < kSteps; ++s) total += spent[s];
  std::printf("%s: %.2f ms per note\n", title, total / kNotes);
  for (int s = 0; s < kSteps; ++s) {
    std::printf("  %-22s %7.3f ms\n", kStepNames[s], spent[s] / kNotes);
  }
}

// The least a program does for one card: a layered window showing a filled
// 32-bit bitmap of the card's size.
void FloorRun(const std::vector<int32_t>& heights, const char* title) {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchFloorCard";
    return RegisterClassA(&wc) != 0;
  }();
  if (!registered) return;
  struct Shown {
    HWND window;
    HDC dc;
    HBITMAP bitmap;
  };
  std::vector<Shown> shown;
  const double t0 = Now();
  for (int i = 0; i < kNotes; ++i) {
    const int x = (i % 10) * 80;
    const int y = (i / 10) * 60;
    const int height = heights[static_cast<size_t>(i)];
    Shown s{};
    s.window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE, "BenchFloorCard", "", WS_POPUP, x,
                               y, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    s.dc = CreateCompatibleDC(nullptr);
    s.bitmap = CreateDIBSection(s.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(s.dc, s.bitmap);
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int p = 0; p < kWidth * height; ++p) pixels[p] = 0xFF7FFFFFu;
    POINT src{0, 0};
    POINT dst{x, y};
    SIZE size{kWidth, height};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(s.window, nullptr, &dst, &size, s.dc, &src, 0, &blend, ULW_ALPHA);
    ShowWindow(s.window, SW_SHOWNOACTIVATE);
    shown.push_back(s);
  }
  const double t1 = Now();
  PumpPending();
  std::printf("%s, floor: %.2f ms per note\n", title, (t1 - t0) / kNotes);
  for (const Shown& s : shown) {
    DestroyWindow(s.window);
    DeleteDC(s.dc);
    DeleteObject(s.bitmap);
  }
  PumpPending();
}

void Run(NoteLayer& layer, const std::string& text, const char* title) {
  std::vector<Card> cards(kNotes);
  double build[kSteps] = {};
  for (int i = 0; i < kNotes; ++i) cards[i] = Build(layer, Card{}, i, text, build);
  PumpPending();
  double rebuild[kSteps] = {};
  for (int i = 0; i < kNotes; ++i) cards[i] = Build(layer, cards[i], i, text, rebuild);
  PumpPending();
  Report((std::string(title) + ", build").c_str(), build);
  Report((std::string(title) + ", rebuild").c_str(), rebuild);
  std::vector<int32_t> heights;
  for (const Card& c : cards) heights.push_back(c.height);
  for (const Card& c : cards) {
    layer.Delete(c.id);
    layer.DeleteBitmap(c.bitmap);
  }
  PumpPending();
  FloorRun(heights, title);
}

}  // namespace

int main() {
  const auto layer = vextal::driver::OpenLayer();
  if (!layer) {
    std::fprintf(stderr, "vextal.dll or one of its entry points is missing\n");
    return 1;
  }
  // Sixteen lines of about 62 characters, every other one Japanese: the
  // start-up benchmark's note text.
  const std::string ascii = "The quick brown fox jumps over the lazy dog; 0123456789 abcdef";
  const std::string japanese = "付箋のテキストを折り返して表示します。日本語と英語が混ざった文章です。";
  std::string text = ascii;
  for (int i = 1; i < 16; ++i) text += "\r\n" + (i % 2 ? japanese : ascii);

  // One note first, so that the font and code-page tables are warm.
  double warm[kSteps] = {};
  Card first = Build(*layer, Card{}, 0, text, warm);
  layer->Delete(first.id);
  layer->DeleteBitmap(first.bitmap);
  PumpPending();

  Run(*layer, text, "1 KB notes");
  Run(*layer, "買い物：牛乳、卵。Call Tom at 3.", "short notes");
  layer->Unload();
  return 0;
}
