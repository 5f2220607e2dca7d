// Benchmark: builds 100 notes of about 1 KB of mixed Japanese and ASCII
// text through the note program's call sequence, then rebuilds them all,
// and reports the time per note and the memory the notes take; then the
// same for 100 short notes.
#define PSAPI_VERSION 2
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/vextal/sample_card.h"
#include "common/mbcs.h"

namespace {

using vextal::driver::BuildCard;
using vextal::driver::Card;
using zettrella::NoteLayer;

constexpr int kNotes = 100;
constexpr int kWidth = 200;

std::string KilobyteOfText(int seed) {
  const char* pieces[] = {"会議は「来週の月曜日」に変更になりました。",
                          "資料(draft v2)を確認してください、",
                          "Remember to call the office before noon. ",
                          "買い物：牛乳、卵、パン。",
                          "http://example.com/notes?id=",
                          "ﾊﾝｶｸｶﾀｶﾅも少し。",
                          "\r\n",
                          "TODO: fix the build script; "};
  std::string s;
  for (int i = seed; s.size() < 1024; ++i) s += pieces[i % 8];
  s.resize(1024);
  // Never end inside a double-byte character.
  size_t ok = 0;
  for (size_t i = 0; i < s.size();) {
    const size_t len = zettrella::IsLeadByte(s[i]) ? 2 : 1;
    if (i + len > s.size()) break;
    i += len;
    ok = i;
  }
  s.resize(ok);
  return s;
}

double Now() {
  LARGE_INTEGER t, f;
  QueryPerformanceCounter(&t);
  QueryPerformanceFrequency(&f);
  return double(t.QuadPart) * 1000.0 / double(f.QuadPart);
}

// Wine reports no private usage; the working set is what it does report.
struct Memory {
  double workingSetKb;
};

Memory MemoryNow() {
  PROCESS_MEMORY_COUNTERS_EX pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&pmc), sizeof pmc);
  return {pmc.WorkingSetSize / 1024.0};
}

void PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Builds kNotes cards of the texts, rebuilds them all, prints the figures
// and deletes the cards again.
void Run(NoteLayer& layer, const std::vector<std::string>& texts, const char* title) {
  const int colours[3] = {0x7FFFFF, 0xFF7FFF, 0xFFFF7F};
  const Memory before = MemoryNow();
  std::vector<Card> cards(kNotes);
  const double t0 = Now();
  for (int i = 0; i < kNotes; ++i) {
    cards[i] =
        BuildCard(layer, (i % 10) * 80, (i / 10) * 60, kWidth, i, texts[i], colours[i % 3], colours[i % 3] - 0x7F7F7F);
  }
  const double t1 = Now();
  PumpPending();
  const Memory after = MemoryNow();

  // Rebuild every note as an edit does: the new object and bitmap take the
  // place of the old ones.
  const double t2 = Now();
  for (int i = 0; i < kNotes; ++i) {
    cards[i] = BuildCard(layer, (i % 10) * 80, (i / 10) * 60, kWidth, i, texts[i], colours[i % 3], 0xFF0000,
                         "ＭＳ Ｐゴシック", 12, cards[i]);
  }
  const double t3 = Now();
  PumpPending();

  int height = 0;
  for (const Card& c : cards) height += c.height;
  std::printf("%s: %d notes of %zu bytes (mixed Japanese/ASCII), %d px wide, %d px high on average\n", title, kNotes,
              texts[0].size(), kWidth, height / kNotes);
  std::printf("  build:   %.2f ms per note (%.0f ms for %d)\n", (t1 - t0) / kNotes, t1 - t0, kNotes);
  std::printf("  rebuild: %.2f ms per note (%.0f ms for %d)\n", (t3 - t2) / kNotes, t3 - t2, kNotes);
  std::printf("  memory:  working set +%.0f KB (%.1f KB per note)\n", after.workingSetKb - before.workingSetKb,
              (after.workingSetKb - before.workingSetKb) / kNotes);
  for (const Card& c : cards) {
    layer.Delete(c.id);
    layer.DeleteBitmap(c.bitmap);
  }
  PumpPending();
}

}  // namespace

int main() {
  const auto layer = vextal::driver::OpenLayer();
  if (!layer) {
    std::fprintf(stderr, "vextal.dll or one of its entry points is missing\n");
    return 1;
  }
  std::vector<std::string> texts;
  for (int i = 0; i < kNotes; ++i) texts.push_back(KilobyteOfText(i));

  // One note first, so that the font and code-page tables are warm.
  Card warm = BuildCard(*layer, 0, 0, kWidth, 0, texts[0], 0x7FFFFF, 0x008080);
  layer->Delete(warm.id);
  layer->DeleteBitmap(warm.bitmap);
  PumpPending();

  Run(*layer, texts, "1 KB notes");
  std::vector<std::string> shortTexts(kNotes, "買い物：牛乳、卵。Call Tom at 3.");
  Run(*layer, shortTexts, "short notes");
  layer->Unload();
  return 0;
}
