// The settings file on Windows: one INI file, read at start-up through one
// handle (and again only when another program has changed it), and written
// so that a crash, a power cut or a full disk at any moment leaves either
// the whole old file or the whole new one on the disk.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "common/win_handles.h"
#include "notes/model/ini_text.h"
#include "notes/model/pending_changes.h"
#include "notes/model/profile.h"

namespace zettrella {

class IniProfile : public Profile {
 public:
  // An empty path means no settings file: reads give their defaults and
  // writes go nowhere.
  explicit IniProfile(std::string path);

  // Brackets the reads of start-up. BeginLoading waits up to waitMs while
  // another program holds the file without sharing it, and reads it whole
  // through the handle it opened; a file it cannot open is not read at all.
  // A copy left behind by a crash is removed (it takes the place of a
  // missing file only when it ends with a whole line). Changes that waited
  // in the side file at the last end are made on what was read. A file that
  // exists but cannot be read is not written until RetryLoading has read it;
  // the result is false then, and the changes made meanwhile wait in the
  // side file.
  [[nodiscard]] bool BeginLoading(uint32_t waitMs);
  void EndLoading();
  // For a file that could not be read at start-up: true once it can, and
  // then it is written again. Of the changes made meanwhile only those of
  // the System section are kept (the board saves its notes itself).
  [[nodiscard]] bool RetryLoading();
  // The file was read (or is missing) and can be written.
  bool loaded() const { return writable_; }

  std::string Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) override;
  std::vector<std::string> ReadSection(const char* section) override;
  void WriteSection(const char* section, const std::vector<std::string>& lines) override;
  void WriteKeys(const char* section, const KeyValues& values) override;
  void RemoveSection(const char* section) override;
  // Each batch replaces the file once.
  void BeginBatch() override { batching_ = true; }
  [[nodiscard]] bool EndBatch() override;
  void OnFileMissing(std::function<void()> writeEverything) override { writeEverything_ = std::move(writeEverything); }
  // The file takes all of the pending changes or none; those that wait are
  // also kept in the side file.
  [[nodiscard]] bool SavePending() override;

 private:
  void Change(ProfileChange change);
  // A profile used without BeginLoading reads the file at its first use.
  void EnsureLoaded();
  // Reads the file through the open guard into base_ and view_.
  bool ReadThroughGuard();
  // Takes the changes that waited in the side file: made on the file when
  // it was read then, or, made while it could not be read, as notes and
  // settings made meanwhile.
  void TakeSideFile(const std::string& text);
  void KeepInSideFile();
  // Once nothing waits any more.
  void DropSideFile();
  // Replaces the file by bytes; false when it has to wait.
  bool Replace(const std::string& bytes);

  std::string path_;
  std::string target_;  // the file itself, when path_ is a link to it
  std::string copyPath_;
  std::string sidePath_;
  bool writable_;
  bool batching_ = false;
  bool begun_ = false;
  // The file was there at start-up or has been written since.
  bool existed_ = false;
  // It has more than one name (a hard link): written in place, after the
  // copy proved that the new bytes fit and come back whole.
  bool linked_ = false;
  std::function<void()> writeEverything_;
  UniqueFile loadGuard_;
  PendingChanges pending_;
  // Changes made while the file could not be read.
  bool madeUnread_ = false;
  std::string sideEarlier_;  // the side file as that run found it
  bool sideKept_ = false;    // the side file may exist
  FILETIME baseTime_{};
  uint64_t baseSize_ = 0;
  // The file as last read or written (its size and time stamp below), with
  // every pending change made on it.
  IniText view_;
};

}  // namespace zettrella
