// GetPrivateProfileStringA / WritePrivateProfileStringA on the settings file.
//
// A profile write rewrites the whole file in place, so a process killed in
// the middle of one leaves it empty or cut short. Every change is therefore
// made on a copy beside the file, which is flushed to the disk and then put
// in place of the file in one step.
//
// The profile functions do not check their own writes everywhere: on a disk
// that holds the copy but not its grown content, Wine's report success for
// a copy cut short, whose content in their hands is whole. The copy must
// therefore be at least as long as that content before it replaces the file.
#include "notes/model/ini_profile.h"

namespace zettrella {

namespace {

constexpr DWORD kRetryMs = 100;

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool IsReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// The lines of a section as the profile functions hold them ("key=value"
// strings each ended by a zero byte); the buffer grows until all fit.
std::vector<std::string> SectionLines(const char* section, const char* file) {
  std::vector<std::string> lines;
  std::vector<char> buffer(16 * 1024);
  DWORD length = 0;
  for (;;) {
    length = section ? GetPrivateProfileSectionA(section, buffer.data(), static_cast<DWORD>(buffer.size()), file)
                     : GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), file);
    if (length + 2 < buffer.size() || buffer.size() >= (64u << 20)) break;
    buffer.resize(buffer.size() * 4);
  }
  for (size_t pos = 0; pos < length && buffer[pos] != '\0';) {
    lines.emplace_back(buffer.data() + pos);
    pos += lines.back().size() + 1;
  }
  return lines;
}

// The profile functions write each section as "[name]" and each of its lines
// ended by CR LF (blank and comment lines, which they do not hand out, only
// add to that). A file shorter than that lost its end.
bool HoldsWholeContent(const char* file) {
  uint64_t expected = 0;
  for (const std::string& name : SectionLines(nullptr, file)) {
    expected += name.size() + 4;
    for (const std::string& line : SectionLines(name.c_str(), file)) expected += line.size() + 2;
  }
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(file, GetFileExInfoStandard, &data)) return false;
  return ((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) >= expected;
}

// Removes a copy, also one left read-only by a tool or a restore.
void RemoveFile(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

// True when a new file can be made beside path (it is removed again).
bool CanCreate(const std::string& path) {
  const UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file) DeleteFileA(path.c_str());
  return static_cast<bool>(file);
}

bool FlushToDisk(const std::string& path) {
  const UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && FlushFileBuffers(file.get());
}

bool Apply(const ProfileChange& change, const char* file) {
  const char* section = change.Section.c_str();
  switch (change.Type) {
    case ProfileChange::Kind::kRemoveSection:
      // Removing a section that is not there is no failure.
      WritePrivateProfileStringA(section, nullptr, nullptr, file);
      return true;
    case ProfileChange::Kind::kSection: {
      std::string block;
      for (const std::string& line : change.Lines) {
        block += line;
        block += '\0';
      }
      block += '\0';
      return WritePrivateProfileSectionA(section, block.c_str(), file);
    }
    case ProfileChange::Kind::kKeys:
      for (const auto& [key, value] : change.Values) {
        if (!WritePrivateProfileStringA(section, key.c_str(), value.c_str(), file)) return false;
      }
      return true;
  }
  return false;
}

// Every pending change made on file; true when every write succeeded.
bool ApplyAll(const PendingChanges& pending, const char* file) {
  bool written = true;
  for (const ProfileChange& change : pending.changes()) written = Apply(change, file) && written;
  return written;
}

}  // namespace

IniProfile::IniProfile(std::string path)
    : path_(std::move(path)), copyPath_(path_.empty() ? std::string() : path_ + ".new"), writable_(!path_.empty()) {}

bool IniProfile::BeginLoading(uint32_t waitMs) {
  if (path_.empty()) return true;
  // Only this program writes the copy, and puts it in place only once it is
  // whole on the disk: with the file missing, it is the file of the last
  // save (cut off from it by a crash between the two steps of a replace).
  // Beside the file, it is whatever a crash left of a save, not the file.
  const bool missing = GetFileAttributesA(path_.c_str()) == INVALID_FILE_ATTRIBUTES && IsMissing(GetLastError());
  if (!missing || !MoveFileExA(copyPath_.c_str(), path_.c_str(), MOVEFILE_WRITE_THROUGH)) RemoveFile(copyPath_);
  const DWORD start = GetTickCount();
  for (;;) {
    loadGuard_.reset(CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    existed_ = static_cast<bool>(loadGuard_);
    if (loadGuard_ || IsMissing(GetLastError())) return true;
    if (GetTickCount() - start >= waitMs) break;
    Sleep(kRetryMs);
  }
  writable_ = false;
  return false;
}

void IniProfile::EndLoading() { loadGuard_.reset(); }

bool IniProfile::RetryLoading() {
  if (writable_ || path_.empty()) return false;
  writable_ = BeginLoading(0);
  return writable_;
}

std::string IniProfile::Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) {
  if (path_.empty()) return std::string(defaultValue).substr(0, maxBytes);
  std::string value(maxBytes + 1, '\0');
  const DWORD length = GetPrivateProfileStringA(section, key, defaultValue, value.data(),
                                                static_cast<DWORD>(value.size()), path_.c_str());
  value.resize(length < value.size() ? length : maxBytes);
  return value;
}

std::vector<std::string> IniProfile::ReadSection(const char* section) {
  return path_.empty() ? std::vector<std::string>() : SectionLines(section, path_.c_str());
}

void IniProfile::WriteKeys(const char* section, const KeyValues& values) {
  Change({ProfileChange::Kind::kKeys, section, values, {}});
}

void IniProfile::WriteSection(const char* section, const std::vector<std::string>& lines) {
  Change({ProfileChange::Kind::kSection, section, {}, lines});
}

void IniProfile::RemoveSection(const char* section) { Change({ProfileChange::Kind::kRemoveSection, section, {}, {}}); }

void IniProfile::Change(ProfileChange change) {
  // A file that could not be read at start-up, or that is read-only: the
  // change stays in memory for the rest of the run.
  if (!writable_ || IsReadOnly(path_)) return;
  pending_.Add(std::move(change));
  if (!batching_) (void)SavePending();
}

bool IniProfile::EndBatch() {
  batching_ = false;
  return SavePending();
}

bool IniProfile::SavePending() {
  if (pending_.empty()) return true;
  // The copy starts from the file as it is now, so that keys this program
  // does not write (or a hand edit made meanwhile) are kept.
  RemoveFile(copyPath_);
  if (!CopyFileA(path_.c_str(), copyPath_.c_str(), FALSE)) {
    const DWORD error = GetLastError();
    if (IsMissing(error)) {
      // A file that was there and has gone (removed by a user, a sync tool)
      // is made again from everything this program holds, not from the
      // changes alone, which would leave out every other note.
      if (existed_ && writeEverything_) {
        pending_.Clear();
        const bool batching = std::exchange(batching_, true);
        writeEverything_();
        batching_ = batching;
      }
    } else if (!CanCreate(copyPath_)) {
      // A folder where no new file can be made: the file is written in
      // place, the only way left to keep the change.
      if (!ApplyAll(pending_, path_.c_str())) return false;
      pending_.Clear();
      return true;
    } else {
      return false;  // held by another program: later
    }
  }
  const char* copy = copyPath_.c_str();
  if (ApplyAll(pending_, copy) && HoldsWholeContent(copy) && FlushToDisk(copyPath_) &&
      MoveFileExA(copy, path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    pending_.Clear();
    existed_ = true;
    return true;
  }
  // The changes wait, as for a held file: the copy may have found the disk
  // full, and there may be room again at the next try.
  DeleteFileA(copy);
  return false;
}

}  // namespace zettrella
