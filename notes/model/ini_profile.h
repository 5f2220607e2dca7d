// The settings file on Windows: the profile functions on one INI file.
#pragma once

#include <string>

#include "notes/model/settings_file.h"

namespace zettrella {

class IniProfile : public Profile {
 public:
  explicit IniProfile(std::string path) : path_(std::move(path)) {}
  std::string Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) override;
  void Write(const char* section, const char* key, const char* value) override;
  std::vector<std::string> ReadSection(const char* section) override;
  void WriteSection(const char* section, const std::vector<std::string>& lines) override;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace zettrella
