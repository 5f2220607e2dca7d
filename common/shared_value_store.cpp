// The shared value store on Win32: backing file and named file mapping.
#include "common/shared_value_store.h"

#include "common/decimal.h"
#include "common/protocol.h"
#include "common/store_format.h"

namespace zettrella {

namespace {

std::string TempDirectory() {
  char buffer[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("TEMP", buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return {};
  return std::string(buffer, length);
}

// Others may be reading the file at the same moment (it is an ordinary file
// in TEMP); sharing reads keeps such a reader from making the write fail.
bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool ReadWholeFile(const std::string& path, std::string* bytes) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  char buffer[4096];
  DWORD got = 0;
  bytes->clear();
  while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes->append(buffer, got);
  return true;
}

}  // namespace

SharedValueStore::SharedValueStore(const char* name, bool owner) : name_(name), owner_(owner) {
  if (!owner_) return;
  const std::string temp = TempDirectory();
  if (temp.empty()) return;  // no TEMP: no file and no mapping
  filePath_ = temp + "\\" + StoreFileName(name_);
  WriteWholeFile(filePath_, std::string(kEmptyStoreContent));
  Open();
}

SharedValueStore::~SharedValueStore() {
  if (!owner_) return;
  Close();
  if (!filePath_.empty()) DeleteFileA(filePath_.c_str());
}

void SharedValueStore::Open() {
  if (filePath_.empty()) return;
  file_.reset(CreateFileA(filePath_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file_) return;
  mapping_.reset(CreateFileMappingA(file_.get(), nullptr, PAGE_READONLY, 0, 0, name_.c_str()));
  // A mapping of that name that was there before this store made one is
  // someone else's: readers would find its content, not ours, so it is not
  // kept open (which would keep it alive). Once the name has been ours, a
  // mapping still held by a reader while SetValue reopens is our own.
  if (mapping_ && GetLastError() == ERROR_ALREADY_EXISTS && !named_) mapping_.reset();
  named_ = named_ || mapping_;
}

void SharedValueStore::Close() {
  if (!file_) return;
  mapping_.reset();
  file_.reset();
}

void SharedValueStore::SetValue(const char* key, const char* value) {
  if (!owner_) return;
  Close();
  std::string content;
  if (ReadWholeFile(filePath_, &content)) {
    const std::string newValue = value ? value : "";
    WriteWholeFile(filePath_, StoreWithValue(content, key, value ? &newValue : nullptr));
  }
  Open();
}

bool SharedValueStore::GetValue(const char* key, const char* defaultValue, std::string* result) const {
  UniqueKernelHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, name_.c_str()));
  if (!mapping) return false;
  const void* view = MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0);
  if (!view) return false;
  // Anyone may create a mapping of that name: only pages that are there and
  // readable are read (a section made with its pages only reserved would
  // fault at the first byte).
  MEMORY_BASIC_INFORMATION info{};
  const bool readable = VirtualQuery(view, &info, sizeof info) == sizeof info && info.State == MEM_COMMIT &&
                        (info.Protect & (PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY)) != 0 &&
                        (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) == 0;
  if (readable) {
    const std::string_view content(static_cast<const char*>(view), info.RegionSize);
    const std::optional<std::string> found = StoreLookup(content, key);
    *result = found ? *found : std::string(defaultValue ? defaultValue : "");
  }
  UnmapViewOfFile(view);
  return readable;
}

HWND PublishedWindow() {
  const SharedValueStore store(kStoreName, false);
  std::string value;
  if (!store.GetValue(kStoreWindowKey, "0", &value)) return nullptr;
  // The note program writes its handle with FormatDecimal(WindowId(...)).
  return WindowOfId(ParseDecimal(value));
}

}  // namespace zettrella
