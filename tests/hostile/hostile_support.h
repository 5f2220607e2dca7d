// What the hostile-input tests ask of a running note program: that it still
// answers, how much memory it holds, and settings text made to order.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zettrella::testing {

// True when window answers a message within timeoutMs.
bool Answers(HWND window, DWORD timeoutMs);

// The private bytes and working set of a process, in bytes; zero when the
// process cannot be asked.
struct ProcessMemory {
  size_t privateBytes = 0;
  size_t workingSet = 0;
};
ProcessMemory MemoryOf(HANDLE process);

// A note section "[Husen<number>]" with body (lines ended by CR LF).
std::string NoteSection(int number, const std::string& body);

// Bytes from a small fixed-seed generator, so that a failing case can be
// run again exactly.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  uint32_t Next();
  // A value in [0, bound).
  uint32_t Below(uint32_t bound) { return bound ? Next() % bound : 0; }
  std::string Bytes(size_t count);

 private:
  uint64_t state_;
};

}  // namespace zettrella::testing
