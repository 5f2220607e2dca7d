// Changes of the settings file that have not reached the disk yet, kept in
// the order they were made, so that they can be made again on the file as it
// is when it can be written.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zettrella {

struct ProfileChange {
  enum class Kind {
    kKeys,           // sets the keys of `values` in `section`
    kSection,        // replaces the whole section by `lines`
    kRemoveSection,  // removes the section
  };
  Kind kind = Kind::kKeys;
  std::string section;
  std::vector<std::pair<std::string, std::string>> values;
  std::vector<std::string> lines;
};

class PendingChanges {
 public:
  // Adds a change after the others. Earlier changes that it makes void are
  // dropped, so that the list never holds more than one change per key and
  // section, however long the file stays out of reach.
  void Add(ProfileChange change);
  const std::vector<ProfileChange>& changes() const { return changes_; }
  bool empty() const { return changes_.empty(); }
  void Clear() { changes_.clear(); }

 private:
  std::vector<ProfileChange> changes_;
};

}  // namespace zettrella
