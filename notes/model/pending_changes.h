// Changes of the settings file that have not reached the disk yet, kept in
// the order they were made, so that they can be made again on the file as it
// is when it can be written.
#pragma once

#include <string>
#include <vector>

#include "notes/model/profile.h"

namespace zettrella {

struct ProfileChange {
  enum class Kind {
    kKeys,           // sets the keys of `Values` in `Section`
    kSection,        // replaces the whole section by `Lines`
    kRemoveSection,  // removes the section
  };
  Kind Type = Kind::kKeys;
  std::string Section;
  KeyValues Values;
  std::vector<std::string> Lines;
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
