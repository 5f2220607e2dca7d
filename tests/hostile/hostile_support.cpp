// Helpers of the hostile-input tests.
#include "tests/hostile/hostile_support.h"

#include <psapi.h>

namespace zettrella::testing {

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
