// The settings file on Windows: the profile functions on one INI file,
// written so that a crash or a power cut at any moment leaves either the
// whole old file or the whole new one on the disk.
#pragma once

#include <windows.h>

#include <string>

#include "common/win_handles.h"
#include "notes/model/pending_changes.h"
#include "notes/model/settings_file.h"

namespace zettrella {

class IniProfile : public Profile {
 public:
  // An empty path means no settings file: reads give their defaults and
  // writes go nowhere.
  explicit IniProfile(std::string path);

  // Brackets the reads of start-up. BeginLoading waits up to waitMs while
  // another program holds the file without sharing it, and removes a copy
  // left behind by a crash. A file that exists but still cannot be read is
  // never written during this run, so that the next start finds every note
  // it holds; the result is false then. While loading, the file is held open
  // (sharing reads and writes) so that no program can lock it half-way.
  [[nodiscard]] bool BeginLoading(DWORD waitMs);
  void EndLoading();

  std::string Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) override;
  void Write(const char* section, const char* key, const char* value) override;
  std::vector<std::string> ReadSection(const char* section) override;
  void WriteSection(const char* section, const std::vector<std::string>& lines) override;
  void WriteKeys(const char* section, const std::vector<std::pair<std::string, std::string>>& values) override;

  // Changes made between BeginBatch and EndBatch replace the file once,
  // together: a build of every note must not rewrite it a hundred times.
  void BeginBatch() { batching_ = true; }
  [[nodiscard]] bool EndBatch();

  // Changes made while the file could not be replaced (another program had
  // it open) are kept and made again by the next write or by this call.
  // True when none is left.
  [[nodiscard]] bool SavePending();

  // The copy a change is written to before it replaces the file.
  const std::string& copyPath() const { return copyPath_; }

 private:
  void Change(ProfileChange change);
  bool ApplyTo(const ProfileChange& change, const char* file) const;

  std::string path_;
  std::string copyPath_;
  bool writable_;
  bool batching_ = false;
  UniqueFile loadGuard_;
  PendingChanges pending_;
};

}  // namespace zettrella
