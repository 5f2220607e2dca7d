// Helpers for the tests that run under Wine: waiting for a condition while
// pumping messages, private temporary folders, files, child processes, the
// recording layer's call log, the settings file, event records, and dialogs
// found, their buttons pressed and keys posted.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace zettrella::testing {

// Pumps this thread's messages until cond() is true or timeoutMs has passed.
// Returns cond()'s last value. Tests wait with this, never with a fixed sleep.
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 10000);

// Pumps whatever is queued now, without waiting.
void PumpPending();

// The folder of the running test program, without a trailing backslash.
std::string ExeDir();

// A new empty folder below %TEMP%, removed with everything in it by the
// destructor.
class TempDir {
 public:
  explicit TempDir(const std::string& prefix = "zt");
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

void RemoveTree(const std::string& path);
bool FileExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
void CopyFileOrFail(const std::string& from, const std::string& to);
// The lines of text, each without its line end (CR LF or LF).
std::vector<std::string> SplitLines(const std::string& text);

// The recording stand-in of the layer library (built beside the tests, in a
// folder of its own) appends every call it gets as one line to this file, in
// the folder of the program that loaded it.
std::string RecordingLayerPath();
inline constexpr char kCallLogName[] = "vextal-calls.log";
// The calls logged in folder, in order.
std::vector<std::string> ReadCallLog(const std::string& folder);

// A value of the settings file at path as its bytes stand on disk: from the
// first line "key=" in the section "[section]", both names as written;
// missing when there is none.
std::string SettingsValue(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& missing = "<missing>");

// An event record as the layer library sends it: the event's name, the
// object's id and the pointer's position, each line ended by CR LF.
std::string Record(const std::string& name, int id, int x, int y);

// A child process started with CreateProcessA; killed by the destructor if
// it still runs.
class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // commandLine is passed as is; workDir may be empty; environment is a
  // block for CreateProcessA, or null for this process's environment.
  bool Start(const std::string& commandLine, const std::string& workDir = "", const char* environment = nullptr);
  // Waits up to timeoutMs; true when the process has ended.
  bool Wait(DWORD timeoutMs);
  bool Running() const;
  DWORD ExitCode() const;
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  void Kill();

 private:
  PROCESS_INFORMATION info_{};
};

// Top-level windows of a process whose class name is className (any class
// when empty), visible or not.
std::vector<HWND> WindowsOfProcess(DWORD processId, const std::string& className = "");

std::string WindowText(HWND window);
// A visible dialog (a message box too) of the process whose caption is
// caption (any caption when null), other than those in except; null when
// there is none.
HWND FindDialog(DWORD processId, const char* caption, std::initializer_list<HWND> except = {});
HWND WaitForDialog(DWORD processId, const char* caption, DWORD timeoutMs = 20000);
// Clicks a button of a dialog. Posted, so that a handler that opens a modal
// box does not block the caller.
void PressButton(HWND dialog, int id);
// A key pressed and released, posted to target as the keyboard sends it.
void PostKey(HWND target, WORD virtualKey);
// Pointer input through the system, as the mouse sends it; with
// MOUSEEVENTF_MOVE, to (x, y) in screen pixels.
void SendMouse(DWORD flags, int x = 0, int y = 0);

}  // namespace zettrella::testing
