// Runs the real Zettrella.exe from a private folder with a chosen layer
// library beside it (the recording stand-in, the real one, a failing one or
// none), sends it event records, and reads back what it left: the layer's
// call log and the settings file; and what the hostile-input tests ask of
// it: that it still answers, how much memory it holds, and settings text
// made to order.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/win_test_support.h"

namespace zettrella::testing {

// The recording stand-in's results: object ids, fonts and bitmaps count up
// from these, and the bitmap's companion value is the bitmap + 4000.
inline constexpr int kFirstRecordedId = 100;
inline constexpr int kFirstRecordedBitmap = 1000;

// The layer beside the program: the recording stand-in (which logs every
// call), the stand-in whose _create fails, the real vextal.dll, or none.
enum class Layer { kRecording, kRecordingFailCreate, kReal, kNone };

class ZettrellaRun {
 public:
  // A fresh folder holding Zettrella.exe, the chosen layer and iniText as
  // Zettrella.ini (no settings file when empty). With a folderName, the
  // program lives in a folder of that name inside the fresh one.
  explicit ZettrellaRun(const std::string& iniText, Layer layer = Layer::kRecording,
                        const std::string& folderName = "");
  ~ZettrellaRun();
  ZettrellaRun(const ZettrellaRun&) = delete;
  ZettrellaRun& operator=(const ZettrellaRun&) = delete;

  // Starts the program and waits until its main window has finished its
  // start-up. False when it did not come up in time.
  [[nodiscard]] bool Start(const std::string& arguments = "");
  // Posts the quit message and waits for the end. False when it did not end.
  [[nodiscard]] bool Quit();
  // Ends the program at once, as a crash or a forced log-off would.
  void Kill() { process_.Kill(); }
  // Switches the layer for the next Start.
  void UseLayer(Layer layer);

  HWND window() const { return window_; }
  const TempDir& dir() const { return dir_; }
  // The program's own folder, and a file in it.
  const std::string& folder() const { return folder_; }
  std::string File(const std::string& name) const { return folder_ + "\\" + name; }
  const ChildProcess& process() const { return process_; }

  // Sends one event record with WM_COPYDATA and returns the window's answer
  // (0 when it did not answer within the timeout).
  LRESULT Send(const std::string& record, DWORD timeoutMs = 10000) const;
  LRESULT SendRaw(const void* data, DWORD size, DWORD timeoutMs = 10000) const;

  // The layer's call log, one entry per call.
  std::vector<std::string> Calls() const;
  // Calls logged since the last Mark().
  std::vector<std::string> NewCalls() const;
  void Mark() { mark_ = Calls().size(); }

  // A value of the settings file as it is on disk now; "<missing>" when the
  // key or section is absent.
  std::string Ini(const std::string& section, const std::string& key) const;
  std::string IniBytes() const;
  // The whole call log as written.
  std::string Log() const { return ReadFileBytes(dir_.File(kCallLogName)); }

 private:
  TempDir dir_;
  std::string folder_;
  ChildProcess process_;
  Layer layer_ = Layer::kRecording;
  HWND window_ = nullptr;
  size_t mark_ = 0;
};

// The calls from the first "_lock_draw()" to the next "_unlock_draw()",
// starting the search at index from; empty when there is no such build.
std::vector<std::string> BuildAt(const std::vector<std::string>& calls, size_t from = 0);
// All builds of a log, in order.
std::vector<std::vector<std::string>> Builds(const std::vector<std::string>& calls);

// The calls of a log whose name starts with prefix (such as "_move(").
std::vector<std::string> CallsNamed(const std::vector<std::string>& calls, const std::string& prefix);

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
