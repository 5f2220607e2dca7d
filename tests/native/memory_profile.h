// A profile file in memory for the native tests: sections of "key=value"
// lines in file order, and a record of every change made to it.
#pragma once

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "notes/model/profile.h"

namespace zettrella {

class MemoryProfile : public Profile {
 public:
  std::map<std::string, std::vector<std::string>> sections;
  // "Section.key=value", "section Section", "remove Section", "batch" and
  // "end batch", in the order they came.
  std::vector<std::string> writes;

  void Set(const std::string& section, const std::vector<std::string>& lines) { sections[section] = lines; }

  std::string Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) override {
    std::string value = defaultValue;
    auto s = sections.find(section);
    if (s != sections.end()) {
      for (const std::string& line : s->second) {
        if (line.compare(0, strlen(key) + 1, std::string(key) + "=") == 0) {
          value = line.substr(strlen(key) + 1);
          break;
        }
      }
    }
    return value.substr(0, maxBytes);
  }
  void Write(const char* section, const char* key, const char* value) {
    writes.push_back(std::string(section) + "." + key + "=" + value);
    auto& lines = sections[section];
    for (std::string& line : lines) {
      if (line.compare(0, strlen(key) + 1, std::string(key) + "=") == 0) {
        line = std::string(key) + "=" + value;
        return;
      }
    }
    lines.push_back(std::string(key) + "=" + value);
  }
  void WriteKeys(const char* section, const KeyValues& values) override {
    for (const auto& [key, value] : values) Write(section, key.c_str(), value.c_str());
  }
  std::vector<std::string> ReadSection(const char* section) override {
    auto s = sections.find(section);
    return s == sections.end() ? std::vector<std::string>() : s->second;
  }
  void WriteSection(const char* section, const std::vector<std::string>& lines) override {
    writes.push_back(std::string("section ") + section);
    sections[section] = lines;
  }
  void RemoveSection(const char* section) override {
    sections.erase(section);
    writes.push_back(std::string("remove ") + section);
  }
  void BeginBatch() override { writes.push_back("batch"); }
  bool EndBatch() override {
    writes.push_back("end batch");
    return true;
  }
  bool SavePending() override { return true; }
  void OnFileMissing(std::function<void()>) override {}
};

}  // namespace zettrella
