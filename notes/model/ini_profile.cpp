// GetPrivateProfileStringA / WritePrivateProfileStringA on the settings file.
//
// A profile write rewrites the whole file in place, so a process killed in
// the middle of one leaves it empty or cut short. Every change is therefore
// made on a copy beside the file, which is flushed to the disk and then put
// in place of the file in one step.
#include "notes/model/ini_profile.h"

namespace zettrella {

namespace {

constexpr DWORD kRetryMs = 100;

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool IsReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool FlushToDisk(const std::string& path) {
  const UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && FlushFileBuffers(file.get());
}

}  // namespace

IniProfile::IniProfile(std::string path)
    : path_(std::move(path)), copyPath_(path_.empty() ? std::string() : path_ + ".new"), writable_(!path_.empty()) {}

bool IniProfile::BeginLoading(uint32_t waitMs) {
  if (path_.empty()) return true;
  // Only this program writes the copy; whatever a crash left of it is not
  // the settings file.
  DeleteFileA(copyPath_.c_str());
  const DWORD start = GetTickCount();
  for (;;) {
    loadGuard_.reset(CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (loadGuard_ || IsMissing(GetLastError())) return true;
    if (GetTickCount() - start >= waitMs) break;
    Sleep(kRetryMs);
  }
  writable_ = false;
  return false;
}

void IniProfile::EndLoading() { loadGuard_.reset(); }

std::string IniProfile::Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) {
  if (path_.empty()) return std::string(defaultValue).substr(0, maxBytes);
  std::string value(maxBytes + 1, '\0');
  const DWORD length = GetPrivateProfileStringA(section, key, defaultValue, value.data(),
                                                static_cast<DWORD>(value.size()), path_.c_str());
  value.resize(length < value.size() ? length : maxBytes);
  return value;
}

std::vector<std::string> IniProfile::ReadSection(const char* section) {
  std::vector<std::string> lines;
  if (path_.empty()) return lines;
  // The section comes as "key=value" strings each ended by a zero byte; the
  // buffer grows until the whole section fits.
  std::vector<char> buffer(16 * 1024);
  DWORD length = 0;
  for (;;) {
    length = GetPrivateProfileSectionA(section, buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
    if (length + 2 < buffer.size() || buffer.size() >= (64u << 20)) break;
    buffer.resize(buffer.size() * 4);
  }
  for (size_t pos = 0; pos < length && buffer[pos] != '\0';) {
    const std::string line(buffer.data() + pos);
    pos += line.size() + 1;
    lines.push_back(line);
  }
  return lines;
}

void IniProfile::Write(const char* section, const char* key, const char* value) {
  ProfileChange change;
  change.Section = section;
  change.Values.emplace_back(key, value);
  Change(std::move(change));
}

void IniProfile::RemoveSection(const char* section) {
  ProfileChange change;
  change.Type = ProfileChange::Kind::kRemoveSection;
  change.Section = section;
  Change(std::move(change));
}

void IniProfile::WriteKeys(const char* section, const std::vector<std::pair<std::string, std::string>>& values) {
  ProfileChange change;
  change.Section = section;
  change.Values = values;
  Change(std::move(change));
}

void IniProfile::WriteSection(const char* section, const std::vector<std::string>& lines) {
  ProfileChange change;
  change.Type = ProfileChange::Kind::kSection;
  change.Section = section;
  change.Lines = lines;
  Change(std::move(change));
}

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
  if (!CopyFileA(path_.c_str(), copyPath_.c_str(), FALSE)) {
    if (!IsMissing(GetLastError())) return false;  // held by another program: later
    DeleteFileA(copyPath_.c_str());                // a first write makes a new file
  }
  bool written = true;
  for (const ProfileChange& change : pending_.changes()) written = ApplyTo(change, copyPath_.c_str()) && written;
  if (written && FlushToDisk(copyPath_) &&
      MoveFileExA(copyPath_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    pending_.Clear();
    return true;
  }
  DeleteFileA(copyPath_.c_str());
  return false;
}

bool IniProfile::ApplyTo(const ProfileChange& change, const char* file) const {
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

}  // namespace zettrella
