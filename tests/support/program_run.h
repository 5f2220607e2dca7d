// A run of the real Zettrella.exe from a private folder of its own, with its
// settings file and (optionally) the recording layer library beside it.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/win_test_support.h"

namespace zettrella::testing {

enum class Layer { kRecording, kNone };

class ProgramRun {
 public:
  // Prepares the folder: the program, the layer library chosen and, when
  // ini is not empty, a settings file with these bytes.
  explicit ProgramRun(Layer layer = Layer::kRecording, const std::string& ini = "");
  ~ProgramRun();

  // Starts the program with arguments and waits until its main window is
  // published; false if it is not within the timeout.
  bool Start(const std::string& arguments = "");
  // Posts the quit message and waits for the process to end.
  bool Quit();

  HWND window() const { return window_; }
  ChildProcess& process() { return process_; }
  const TempDir& dir() const { return dir_; }
  std::string IniPath() const { return dir_.File("Zettrella.ini"); }
  std::string Ini() const { return ReadFileBytes(IniPath()); }
  std::string Log() const { return ReadFileBytes(dir_.File("vextal-calls.log")); }
  // Reads one value of the settings file through the profile functions.
  std::string IniValue(const char* section, const char* key) const;

  // The shared value store's backing file of the running program.
  static std::string StoreFilePath();
  // The window handle published in the store file; null when none.
  static HWND PublishedWindow();

 private:
  TempDir dir_;
  ChildProcess process_;
  HWND window_ = nullptr;
};

// Sends a layer event record to window as another process would.
LRESULT SendRecord(HWND window, const std::string& record);

}  // namespace zettrella::testing
