// Access to a profile (INI) file: what the settings file and the board ask
// of it. IniProfile is the real one; the native tests keep one in memory.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zettrella {

// Keys and their values, in the order they are written.
using KeyValues = std::vector<std::pair<std::string, std::string>>;

class Profile {
 public:
  virtual ~Profile() = default;
  // The value of section/key, or defaultValue when missing; at most
  // maxBytes bytes of it.
  virtual std::string Read(const char* section, const char* key, const char* defaultValue, size_t maxBytes) = 0;
  // Sets section/key to value.
  void Write(const char* section, const char* key, const char* value) { WriteKeys(section, {{key, value}}); }
  // The lines of a section ("key=value"), in file order.
  virtual std::vector<std::string> ReadSection(const char* section) = 0;
  // Replaces the lines of a section in one write.
  virtual void WriteSection(const char* section, const std::vector<std::string>& lines) = 0;
  // Sets several keys of a section, in order, as one change of the file.
  virtual void WriteKeys(const char* section, const KeyValues& values) = 0;
  // Removes the whole section (no failure when it is not there).
  virtual void RemoveSection(const char* section) = 0;

  // Changes made between BeginBatch and EndBatch reach the file once,
  // together: a build of every note must not rewrite it a hundred times.
  virtual void BeginBatch() = 0;
  [[nodiscard]] virtual bool EndBatch() = 0;
  // Changes that could not reach the file yet (another program had it open)
  // are kept and made again by the next write or by this call. True when
  // none is left.
  [[nodiscard]] virtual bool SavePending() = 0;
  // What to write when a save finds the file gone although it was there:
  // everything the program holds, so that the file is made again whole and
  // not from the one change.
  virtual void OnFileMissing(std::function<void()> writeEverything) = 0;
};

}  // namespace zettrella
