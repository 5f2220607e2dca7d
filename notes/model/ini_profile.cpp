// The settings file through one writer that knows the bytes it means to
// write.
//
// The file is read at start-up through the handle that guards the reads (or,
// when it could not be read then, once the timer's retry can), and again
// only when another program has changed it since. Every change is made on a
// model of its text (IniText), and a save writes the model's bytes to a copy
// beside the file with every write checked, reads the copy back once,
// compares it with the bytes it meant, and only then puts it in place of the
// file in one step. A full disk, a held file or a held copy leave the file
// as it was: the changes wait, in memory and in a side file beside the
// settings file, until a later save (or the next start) can make them.
#include "notes/model/ini_profile.h"

#include <utility>

#include "common/ascii.h"
#include "common/decimal.h"
#include "common/protocol.h"
#include "notes/model/settings_file.h"
#include "notes/model/settings_keys.h"

namespace zettrella {

namespace {

constexpr DWORD kRetryMs = 100;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Starts the changes of the side file that were made while the settings
// file could not be read: notes and settings made meanwhile, not changes of
// what the file holds.
constexpr std::string_view kUnreadMark = "[*]\r\n";

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Removes a file, also one left read-only by a tool or a restore.
void RemoveFile(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

bool ReadAll(HANDLE file, std::string* bytes) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || size.QuadPart > (64 << 20)) return false;
  bytes->assign(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  return bytes->empty() ||
         (ReadFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &read, nullptr) && read == bytes->size());
}

bool ReadWhole(const std::string& path, std::string* bytes) {
  const UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && ReadAll(file.get(), bytes);
}

// Writes bytes from the start of file and ends it there, flushes it, and
// reads it back once: true only when the disk holds exactly bytes.
bool WriteAndCheck(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(bytes.size());
  if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) != 0) return false;
  if (!WriteFile(file, bytes.data(), size, &written, nullptr) || written != size) return false;
  if (!SetEndOfFile(file) || !FlushFileBuffers(file)) return false;
  if (SetFilePointer(file, 0, nullptr, FILE_BEGIN) != 0) return false;
  std::string back(bytes.size() + 1, '\0');
  DWORD read = 0;
  if (!ReadFile(file, back.data(), size + 1, &read, nullptr) || read != size) return false;
  back.resize(read);
  return back == bytes;
}

// A new file of bytes, put in place of target once it is whole on the disk.
bool WriteThenMove(const std::string& copy, const std::string& target, const std::string& bytes) {
  UniqueFile file(CreateFileA(copy.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  const bool whole = WriteAndCheck(file.get(), bytes);
  file.reset();
  if (whole && MoveFileExA(copy.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileA(copy.c_str());
  return false;
}

// Writes the file in place, for a folder where no copy can be made or a
// file with more than one name. A longer file first takes blank lines at its
// end (harmless to every reader of it), so that a full disk stops the save
// before the first byte of the old content is changed.
bool WriteInPlace(const std::string& path, const std::string& bytes) {
  const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size)) return false;
  if (bytes.size() > static_cast<uint64_t>(size.QuadPart)) {
    const std::string blanks(bytes.size() - static_cast<size_t>(size.QuadPart), '\n');
    DWORD written = 0;
    const bool room = SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) &&
                      WriteFile(file.get(), blanks.data(), static_cast<DWORD>(blanks.size()), &written, nullptr) &&
                      written == blanks.size() && FlushFileBuffers(file.get());
    if (!room) {
      SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN);
      SetEndOfFile(file.get());
      return false;
    }
  }
  return WriteAndCheck(file.get(), bytes);
}

// The bytes the disk gives to a file of size bytes (whole clusters).
uint64_t Allocated(const std::string& path, uint64_t size) {
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  const std::string root = path.size() > 2 && path[1] == ':' ? path.substr(0, 3) : std::string();
  if (!GetDiskFreeSpaceA(root.empty() ? nullptr : root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                         &clusters) ||
      sectorsPerCluster * bytesPerSector == 0)
    return size;
  const uint64_t cluster = static_cast<uint64_t>(sectorsPerCluster) * bytesPerSector;
  return (size + cluster - 1) / cluster * cluster;
}

// The file a handle was opened on, through any symbolic link.
std::string FinalPath(HANDLE file, const std::string& fallback) {
  char buffer[MAX_PATH * 2];
  const DWORD length = GetFinalPathNameByHandleA(file, buffer, sizeof buffer, FILE_NAME_NORMALIZED);
  if (length == 0 || length >= sizeof buffer) return fallback;
  std::string path(buffer, length);
  if (path.rfind("\\\\?\\UNC\\", 0) == 0) return "\\\\" + path.substr(8);
  if (path.rfind("\\\\?\\", 0) == 0) return path.substr(4);
  return path;
}

// A copy left by a save cut off between its two steps ends with a whole
// line; a copy cut short by a full disk or a crash may not.
bool CopyEndsWhole(const std::string& copy) {
  std::string bytes;
  return ReadWhole(copy, &bytes) && !bytes.empty() && bytes.back() == '\n';
}

}  // namespace

IniProfile::IniProfile(std::string path)
    : path_(std::move(path)),
      target_(path_),
      copyPath_(path_.empty() ? std::string() : path_ + kSettingsSideFiles[0]),
      sidePath_(path_.empty() ? std::string() : path_ + kSettingsSideFiles[1]),
      writable_(!path_.empty()) {}

bool IniProfile::BeginLoading(uint32_t waitMs) {
  begun_ = true;
  if (path_.empty()) return true;
  const bool missing = GetFileAttributesA(path_.c_str()) == INVALID_FILE_ATTRIBUTES && IsMissing(GetLastError());
  if (!missing || !CopyEndsWhole(copyPath_) || !MoveFileExA(copyPath_.c_str(), path_.c_str(), MOVEFILE_WRITE_THROUGH))
    RemoveFile(copyPath_);
  const DWORD start = GetTickCount();
  for (;;) {
    // Shared as the profile functions share it, so that a program that holds
    // it for renaming does not keep it from being read here.
    loadGuard_.reset(
        CreateFileA(path_.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD error = GetLastError();
    if (loadGuard_ && ReadThroughGuard()) break;
    loadGuard_.reset();
    if (!loadGuard_ && IsMissing(error)) break;
    if (GetTickCount() - start >= waitMs) {
      writable_ = false;
      if (!madeUnread_ && !ReadWhole(sidePath_, &sideEarlier_)) sideEarlier_.clear();
      madeUnread_ = true;
      return false;
    }
    Sleep(kRetryMs);
  }
  existed_ = static_cast<bool>(loadGuard_);
  if (target_ != path_) {
    copyPath_ = target_ + kSettingsSideFiles[0];
    RemoveFile(copyPath_);
  }
  writable_ = true;
  // After a start without the file, the side file also holds this run's
  // changes, which the board makes again itself: only what earlier runs
  // left there is taken.
  std::string side;
  if (madeUnread_) {
    side = sideEarlier_;
    sideKept_ = sideKept_ || Exists(sidePath_);
  } else if (ReadWhole(sidePath_, &side)) {
    sideKept_ = true;
  }
  madeUnread_ = false;
  TakeSideFile(side);
  return true;
}

bool IniProfile::ReadThroughGuard() {
  std::string bytes;
  BY_HANDLE_FILE_INFORMATION info{};
  if (!ReadAll(loadGuard_.get(), &bytes) || !GetFileInformationByHandle(loadGuard_.get(), &info)) return false;
  view_ = IniText(bytes);
  baseTime_ = info.ftLastWriteTime;
  baseSize_ = bytes.size();
  linked_ = info.nNumberOfLinks > 1;
  target_ = FinalPath(loadGuard_.get(), path_);
  return true;
}

void IniProfile::TakeSideFile(const std::string& text) {
  const size_t mark = text.rfind(kUnreadMark, 0) == 0 ? 0 : text.find("\n" + std::string(kUnreadMark));
  PendingChanges earlier, unread;
  earlier.AddFromText(std::string_view(text).substr(0, mark == std::string::npos ? text.size() : mark + 1));
  if (mark != std::string::npos) unread.AddFromText(std::string_view(text).substr(mark));
  for (const ProfileChange& change : earlier.changes()) {
    pending_.Add(change);
    view_.Apply(change);
  }
  // Made while the file could not be read: the settings changed then win,
  // and each note goes to a free slot beside the stored ones.
  IniText made;
  for (const ProfileChange& change : unread.changes()) {
    if (EqualsIgnoringAsciiCase(change.section, kSystemSection)) {
      pending_.Add(change);
      view_.Apply(change);
    }
    made.Apply(change);
  }
  int free = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const std::string name = SettingsFile::SectionName(slot);
    if (ParseDecimal(made.Read(name, "ID", "-1", 99)) < 0) continue;
    while (free < kSlotCount && ParseDecimal(view_.Read(SettingsFile::SectionName(free), "ID", "-1", 99)) >= 0) ++free;
    if (free == kSlotCount) break;
    ProfileChange note{ProfileChange::Kind::kSection, SettingsFile::SectionName(free), {}, made.Section(name)};
    view_.Apply(note);
    pending_.Add(std::move(note));
  }
}

void IniProfile::KeepInSideFile() {
  // While the file could not be read, what earlier runs left waiting stays
  // before this run's changes.
  const std::string text = (madeUnread_ ? sideEarlier_ + std::string(kUnreadMark) : std::string()) + pending_.Text();
  std::string now;
  if (ReadWhole(sidePath_, &now) && now == text) return;
  if (WriteThenMove(path_ + kSettingsSideFiles[2], sidePath_, text)) sideKept_ = true;
}

void IniProfile::EndLoading() { loadGuard_.reset(); }

bool IniProfile::RetryLoading() {
  if (writable_ || path_.empty()) return false;
  // The board saves the notes made meanwhile itself, in free slots: only
  // the settings changed meanwhile are kept here.
  PendingChanges meanwhile = std::move(pending_);
  pending_.Clear();
  if (!BeginLoading(0)) {
    pending_ = std::move(meanwhile);
    return false;
  }
  for (const ProfileChange& change : meanwhile.changes()) {
    if (!EqualsIgnoringAsciiCase(change.section, kSystemSection)) continue;
    pending_.Add(change);
    view_.Apply(change);
  }
  return true;
}

void IniProfile::EnsureLoaded() {
  if (begun_) return;
  (void)BeginLoading(0);
  EndLoading();
}

std::string IniProfile::Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) {
  EnsureLoaded();
  return view_.Read(section, key, defaultValue, maxBytes);
}

std::vector<std::string> IniProfile::ReadSection(const char* section) {
  EnsureLoaded();
  return view_.Section(section);
}

void IniProfile::WriteKeys(const char* section, const KeyValues& values) {
  Change({ProfileChange::Kind::kKeys, section, values, {}});
}

void IniProfile::WriteSection(const char* section, const std::vector<std::string>& lines) {
  Change({ProfileChange::Kind::kSection, section, {}, lines});
}

void IniProfile::RemoveSection(const char* section) { Change({ProfileChange::Kind::kRemoveSection, section, {}, {}}); }

void IniProfile::Change(ProfileChange change) {
  if (path_.empty()) return;
  EnsureLoaded();
  view_.Apply(change);
  pending_.Add(std::move(change));
  if (!batching_) (void)SavePending();
}

bool IniProfile::EndBatch() {
  batching_ = false;
  return SavePending();
}

void IniProfile::DropSideFile() {
  if (!sideKept_ || !writable_) return;
  DeleteFileA(sidePath_.c_str());
  sideKept_ = Exists(sidePath_);
}

bool IniProfile::SavePending() {
  if (pending_.empty()) {
    DropSideFile();
    return true;
  }
  if (!writable_) {
    KeepInSideFile();
    return false;
  }
  // The file as it is now, so that a hand edit made meanwhile is kept; read
  // again only when it is not the file this program wrote last.
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(target_.c_str(), GetFileExInfoStandard, &data)) {
    if (!IsMissing(GetLastError())) {
      KeepInSideFile();
      return false;
    }
    // A file that was there and has gone (removed by a user, a sync tool)
    // is made again from everything this program holds, not from the
    // changes alone, which would leave out every other note.
    baseSize_ = 0;
    view_ = IniText();
    if (existed_ && writeEverything_) {
      pending_.Clear();
      const bool batching = std::exchange(batching_, true);
      writeEverything_();
      batching_ = batching;
    } else {
      for (const ProfileChange& change : pending_.changes()) view_.Apply(change);
    }
  } else if (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
    // A read-only file: the changes stay in the table in memory for the
    // rest of the run.
    pending_.Clear();
    return true;
  } else {
    const uint64_t size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (size != baseSize_ || CompareFileTime(&data.ftLastWriteTime, &baseTime_) != 0) {
      std::string bytes;
      if (!ReadWhole(target_, &bytes)) {
        KeepInSideFile();
        return false;
      }
      view_ = IniText(bytes);
      for (const ProfileChange& change : pending_.changes()) view_.Apply(change);
      baseSize_ = size;
      baseTime_ = data.ftLastWriteTime;
    }
  }
  // view_ is now the file as it is on the disk with every pending change.
  if (!Replace(view_.Bytes())) {
    KeepInSideFile();
    return false;
  }
  pending_.Clear();
  existed_ = true;
  if (GetFileAttributesExA(target_.c_str(), GetFileExInfoStandard, &data)) {
    baseTime_ = data.ftLastWriteTime;
    baseSize_ = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }
  DropSideFile();
  return true;
}

bool IniProfile::Replace(const std::string& bytes) {
  // A copy left by an earlier try (cut short by a full disk, say) is never
  // taken for the file; one that cannot be removed is held by another
  // program, and the change waits.
  if (Exists(copyPath_)) {
    RemoveFile(copyPath_);
    if (Exists(copyPath_)) return false;
  }
  UniqueFile copy(CreateFileA(copyPath_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  const auto fitsInPlace = [&] {
    // No room for a copy (a full disk): in place only when the new file
    // takes no cluster that the old one does not already hold, so that no
    // write of it can find the disk full.
    return Allocated(target_, bytes.size()) <= Allocated(target_, baseSize_) && WriteInPlace(target_, bytes);
  };
  if (!copy) {
    // A folder where no new file can be made: in place, once the file has
    // grown to hold all of it.
    if (GetLastError() == ERROR_ACCESS_DENIED) return Exists(target_) && WriteInPlace(target_, bytes);
    return fitsInPlace();
  }
  const bool whole = WriteAndCheck(copy.get(), bytes);
  copy.reset();
  if (!whole) {
    DeleteFileA(copyPath_.c_str());
    return fitsInPlace();
  }
  if (linked_) {
    // Every name of the file keeps it: the copy only proved that the bytes
    // fit and come back whole.
    DeleteFileA(copyPath_.c_str());
    return WriteInPlace(target_, bytes);
  }
  if (MoveFileExA(copyPath_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  DeleteFileA(copyPath_.c_str());
  return false;
}

}  // namespace zettrella
