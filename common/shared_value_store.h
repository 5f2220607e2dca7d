// A few named text values that one process publishes and others read, through
// a small key=value file in %TEMP% exposed as a read-only named file mapping.
// The note program owns its store (named in common/protocol.h) and publishes
// its main window there; setup reads it to find the running program.
#pragma once

#include <windows.h>

#include <string>

#include "common/win_handles.h"

namespace zettrella {

class SharedValueStore {
 public:
  // owner: this object creates the backing file, rewrites it on SetValue and
  // deletes it when destroyed. A reader only opens the mapping by name.
  SharedValueStore(const char* name, bool owner);
  virtual ~SharedValueStore();
  SharedValueStore(const SharedValueStore&) = delete;
  SharedValueStore& operator=(const SharedValueStore&) = delete;

  // Owner only: sets key to value, or removes key when value is null.
  void SetValue(const char* key, const char* value);

  // Looks key up in the mapping named after the store. On success *result is
  // the value, or defaultValue when the key is absent. False when no mapping
  // of that name exists or its view cannot be mapped or read; *result is
  // then untouched.
  [[nodiscard]] bool GetValue(const char* key, const char* defaultValue, std::string* result) const;

 private:
  void Open();
  void Close();

  std::string name_;
  bool owner_;
  std::string filePath_;
  UniqueFile file_;
  UniqueKernelHandle mapping_;
  // The owner has made the mapping of its name once (it was not someone
  // else's).
  bool named_ = false;
};

// The main window that the running note program publishes in its store
// (common/protocol.h); null when no note program publishes one. The handle
// may name a window that is gone.
HWND PublishedWindow();

}  // namespace zettrella
