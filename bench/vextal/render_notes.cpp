// Shows three sample notes with vextal.dll and keeps them on the screen
// until the file "render-notes.done" appears in the current folder, so
// that tools/render-notes can take a picture of them.
#include <windows.h>

#include <cstdio>

#include "bench/vextal/sample_card.h"

int main() {
  const auto layer = vextal::driver::OpenLayer();
  if (!layer) {
    std::fprintf(stderr, "vextal.dll or one of its entry points is missing\n");
    return 1;
  }
  // A grey backdrop, like a desktop, so that the cards' black top rows show.
  HWND backdrop = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 500, 340, nullptr,
                                  nullptr, nullptr, nullptr);
  layer->Floating(1);
  using vextal::driver::BuildCard;
  BuildCard(*layer, 20, 20, 220, 1, "買い物リスト\r\n・牛乳 (milk)\r\n・卵 x 6\r\n・パン", 0x7FFFFF, 0x008080);
  BuildCard(*layer, 260, 20, 200, 2, "重要：明日 10:00 から会議。Don't be late!", 0xFF7FFF, 0xFF0000);
  BuildCard(*layer, 60, 170, 240, 3,
            "長い文章は自動的に折り返されます。「括弧」や句読点、。は行頭に来ません。"
            "Long English words wrap at spaces, too: the quick brown fox jumps over the lazy dog.",
            0xFFFF7F, 0x808000);
  layer->Redraw();
  std::printf("ready\n");
  std::fflush(stdout);

  // Wait for the picture without a fixed sleep: pump messages, look for the
  // file now and then, give up after a minute.
  for (int i = 0; i < 1200; ++i) {
    if (GetFileAttributesA("render-notes.done") != INVALID_FILE_ATTRIBUTES) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  layer->Unload();
  DestroyWindow(backdrop);
  return 0;
}
