// The settings file on Windows: the profile functions on one INI file,
// written so that a crash or a power cut at any moment leaves either the
// whole old file or the whole new one on the disk.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "common/win_handles.h"
#include "notes/model/pending_changes.h"
#include "notes/model/profile.h"

namespace zettrella {

class IniProfile : public Profile {
 public:
  // An empty path means no settings file: reads give their defaults and
  // writes go nowhere.
  explicit IniProfile(std::string path);

  // Brackets the reads of start-up. BeginLoading waits up to waitMs while
  // another program holds the file without sharing it. A copy left behind
  // by a crash takes the place of a missing file; beside the file it is
  // removed. A file that exists but still cannot be read is
  // never written during this run, so that the next start finds every note
  // it holds; the result is false then. While loading, the file is held open
  // (sharing reads and writes) so that no program can lock it half-way.
  [[nodiscard]] bool BeginLoading(uint32_t waitMs);
  void EndLoading();
  // For a file that could not be read at start-up: true once it can, and
  // then it is written again; the reads of it follow, up to EndLoading.
  [[nodiscard]] bool RetryLoading();

  std::string Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) override;
  std::vector<std::string> ReadSection(const char* section) override;
  void WriteSection(const char* section, const std::vector<std::string>& lines) override;
  void WriteKeys(const char* section, const KeyValues& values) override;
  void RemoveSection(const char* section) override;
  // Each batch replaces the file once.
  void BeginBatch() override { batching_ = true; }
  [[nodiscard]] bool EndBatch() override;
  void OnFileMissing(std::function<void()> writeEverything) override { writeEverything_ = std::move(writeEverything); }
  // Also when the copy found the disk full; the file takes all of the
  // pending changes or none.
  [[nodiscard]] bool SavePending() override;

  // The copy a change is written to before it replaces the file.
  const std::string& copyPath() const { return copyPath_; }

 private:
  void Change(ProfileChange change);

  std::string path_;
  std::string copyPath_;
  bool writable_;
  bool batching_ = false;
  // The file was there at start-up or has been written since.
  bool existed_ = false;
  std::function<void()> writeEverything_;
  UniqueFile loadGuard_;
  PendingChanges pending_;
};

}  // namespace zettrella
