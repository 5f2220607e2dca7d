// Shell links through IShellLinkA and IPersistFile.
#include "setup/shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "common/win_handles.h"
#include "setup/setup_paths.h"

namespace zettrella::setup {

namespace {

// One COM interface pointer, released when it goes out of scope.
template <class Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (pointer_) pointer_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  void** out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

// COM for the calling thread for one scope. Only a successful CoInitialize
// (S_OK or S_FALSE) is balanced by CoUninitialize.
class ComScope {
 public:
  ComScope() : result_(CoInitialize(nullptr)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

}  // namespace

bool FileCanBeRead(const char* path) {
  UniqueFile file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(file);
}

bool FileCanBeCreated(const char* path) {
  // CREATE_NEW: the probe must never truncate a file that exists but could
  // not be read.
  UniqueFile file(
      CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  file.reset();
  DeleteFileA(path);
  return true;
}

bool CreateShortcut(const char* shortcutPath, const char* description, const char* targetPath, const char* arguments,
                    const char* iconPath) {
  if (!FileCanBeRead(targetPath)) return false;

  // Declared in this order so that the interfaces are released, persist file
  // first, before COM is uninitialised.
  ComScope com;
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;

  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.out()))) {
    return false;
  }
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.out()))) return false;

  if (FAILED(link->SetPath(targetPath))) return false;
  if (FAILED(link->SetArguments(arguments))) return false;
  if (FAILED(link->SetDescription(description))) return false;
  if (iconPath && FAILED(link->SetIconLocation(iconPath, 0))) return false;

  WCHAR widePath[kPathBufferBytes];
  if (MultiByteToWideChar(CP_ACP, 0, shortcutPath, -1, widePath, kPathBufferBytes) == 0) return false;
  return SUCCEEDED(file->Save(widePath, TRUE));
}

}  // namespace zettrella::setup
