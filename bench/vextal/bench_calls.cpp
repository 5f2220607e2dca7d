// Benchmark of the single calls: builds 100 notes with the note program's
// call sequence, timing every entry point on its own, and prints the mean
// cost of each call per note, for 1 KB notes and for short ones. Beside it,
// the floor: the same windows and bitmaps put on the screen with nothing
// else done (as bench/floor does), so that the library's own share shows.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/vextal/note_driver.h"

namespace {

using vextal::driver::Block;
using vextal::driver::Client;

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
  kLock, kFont, kWrap, kMeasure, kDelete, kCreate, kDeleteBitmap, kBitmap, kSetImage, kFill,
  kLine, kText, kDeleteFont, kUpdate, kUnlock, kSteps
};
constexpr const char* kStepNames[kSteps] = {
    "_lock_draw", "_create_font", "_word_wrap", "_draw_text measure", "_delete (old)",
    "_create", "_delete_bitmap (old)", "_create_bitmap", "_set_image_h", "_fill_rect",
    "_draw_line", "_draw_text", "_delete_font", "_update_image_h", "_unlock_draw"};

struct Card {
  int32_t id = -1;
  int32_t bitmap = 0;
  int32_t height = 0;
};

// Builds (or rebuilds) one card as the note program does, adding the time
// of each step to `spent`.
Card Build(const Client& vx, const Card& old, int i, const std::string& text, double* spent) {
  const std::string face = "ＭＳ Ｐゴシック";
  double t = Now();
  auto lap = [&](Step step) {
    const double now = Now();
    spent[step] += now - t;
    t = now;
  };
  Card card;
  vx._lock_draw();
  lap(kLock);
  const int32_t font = vx._create_font(Block(face), static_cast<int32_t>(face.size()), 12);
  lap(kFont);
  const std::string wrapped = vextal::driver::WordWrap(vx, text, font, kWidth - 10);
  const auto len = static_cast<int32_t>(wrapped.size());
  lap(kWrap);
  vextal::Rect rect{5, 6, kWidth - 5, 0};
  vx._draw_text(0, Block(wrapped), len, font, 0, &rect, vextal::kMeasureOnly);
  const int32_t height = rect.bottom + 5 < 30 ? 30 : rect.bottom + 5;
  lap(kMeasure);
  if (old.id >= 0) vx._delete(old.id);
  lap(kDelete);
  card.id = vx._create((i % 10) * 80, (i / 10) * 60, 0, 0, i);
  lap(kCreate);
  if (old.bitmap != 0) vx._delete_bitmap(old.bitmap);
  lap(kDeleteBitmap);
  int32_t extra = 0;
  card.bitmap = vx._create_bitmap(kWidth, height, &extra);
  card.height = height;
  lap(kBitmap);
  vx._set_image_h(card.id, card.bitmap, extra);
  lap(kSetImage);
  vx._fill_rect(card.bitmap, extra, 0, 1, kWidth, height - 1, 0x7FFFFF);
  lap(kFill);
  vx._draw_line(card.bitmap, extra, 0, 0, kWidth - 1, 0, 0);
  lap(kLine);
  vx._draw_text(card.bitmap, Block(wrapped), len, font, 0, &rect, 0);
  lap(kText);
  vx._delete_font(font);
  lap(kDeleteFont);
  vx._update_image_h(card.id);
  lap(kUpdate);
  vx._unlock_draw();
  lap(kUnlock);
  return card;
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
    s.window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE, "BenchFloorCard", "",
                               WS_POPUP, x, y, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
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

void Run(const Client& vx, const std::string& text, const char* title) {
  std::vector<Card> cards(kNotes);
  double build[kSteps] = {};
  for (int i = 0; i < kNotes; ++i) cards[i] = Build(vx, Card{}, i, text, build);
  PumpPending();
  double rebuild[kSteps] = {};
  for (int i = 0; i < kNotes; ++i) cards[i] = Build(vx, cards[i], i, text, rebuild);
  PumpPending();
  Report((std::string(title) + ", build").c_str(), build);
  Report((std::string(title) + ", rebuild").c_str(), rebuild);
  std::vector<int32_t> heights;
  for (const Card& c : cards) heights.push_back(c.height);
  for (const Card& c : cards) {
    vx._delete(c.id);
    vx._delete_bitmap(c.bitmap);
  }
  PumpPending();
  FloorRun(heights, title);
}

}  // namespace

int main() {
  Client vx;
  if (!vx.Open()) {
    std::fprintf(stderr, "vextal.dll or one of its entry points is missing\n");
    return 1;
  }
  vx._load(nullptr, 0);
  // Sixteen lines of about 62 characters, every other one Japanese: the
  // start-up benchmark's note text.
  const std::string ascii = "The quick brown fox jumps over the lazy dog; 0123456789 abcdef";
  const std::string japanese =
      "付箋のテキストを折り返して表示します。日本語と英語が混ざった文章です。";
  std::string text = ascii;
  for (int i = 1; i < 16; ++i) text += "\r\n" + (i % 2 ? japanese : ascii);

  // One note first, so that the font and code-page tables are warm.
  double warm[kSteps] = {};
  Card first = Build(vx, Card{}, 0, text, warm);
  vx._delete(first.id);
  vx._delete_bitmap(first.bitmap);
  PumpPending();

  Run(vx, text, "1 KB notes");
  Run(vx, "買い物：牛乳、卵。Call Tom at 3.", "short notes");
  vx._unload();
  vx.Close();
  return 0;
}
