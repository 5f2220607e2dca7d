// GetPrivateProfileStringA / WritePrivateProfileStringA on the settings file.
#include "notes/model/ini_profile.h"

#include <windows.h>

namespace zettrella {

std::string IniProfile::Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) {
  std::string value(maxBytes + 1, '\0');
  const DWORD length = GetPrivateProfileStringA(section, key, defaultValue, value.data(),
                                                static_cast<DWORD>(value.size()), path_.c_str());
  value.resize(length < value.size() ? length : maxBytes);
  return value;
}

void IniProfile::Write(const char* section, const char* key, const char* value) {
  // A failed write (read-only file, missing folder) leaves the change in
  // memory for the rest of the run; there is nothing better to do with it.
  WritePrivateProfileStringA(section, key, value, path_.c_str());
}

}  // namespace zettrella
