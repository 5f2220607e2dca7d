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

std::vector<std::string> IniProfile::ReadSection(const char* section) {
  // The section comes as "key=value" strings each ended by a zero byte; the
  // buffer grows until the whole section fits.
  std::vector<char> buffer(16 * 1024);
  DWORD length = 0;
  for (;;) {
    length = GetPrivateProfileSectionA(section, buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
    if (length + 2 < buffer.size() || buffer.size() >= (64u << 20)) break;
    buffer.resize(buffer.size() * 4);
  }
  std::vector<std::string> lines;
  for (size_t pos = 0; pos < length && buffer[pos] != '\0';) {
    const std::string line(buffer.data() + pos);
    pos += line.size() + 1;
    lines.push_back(line);
  }
  return lines;
}

void IniProfile::WriteSection(const char* section, const std::vector<std::string>& lines) {
  std::string block;
  for (const std::string& line : lines) {
    block += line;
    block += '\0';
  }
  block += '\0';
  WritePrivateProfileSectionA(section, block.c_str(), path_.c_str());
}

}  // namespace zettrella
