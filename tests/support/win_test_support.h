// Helpers for the tests that run under Wine: waiting for a condition while
// pumping messages, private temporary folders, files and child processes.
#pragma once

#include <windows.h>

#include <functional>
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

// A child process started with CreateProcessA; killed by the destructor if
// it still runs.
class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // commandLine is passed as is; workDir may be empty.
  bool Start(const std::string& commandLine, const std::string& workDir = "");
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

}  // namespace zettrella::testing
