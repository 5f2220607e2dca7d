// Changes of the settings file that have not reached the disk yet, kept in
// the order they were made, so that they can be made again on the file as it
// is when it can be written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "notes/model/profile.h"

namespace zettrella {

struct ProfileChange {
  enum class Kind {
    kKeys,           // sets the keys of `values` in `section`
    kSection,        // replaces the whole section by `lines`
    kRemoveSection,  // removes the section
  };
  Kind type = Kind::kKeys;
  std::string section;
  KeyValues values;
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

  // The changes as lines of text, for the side file that keeps them across
  // the end of the program or a kill: a line "[+name]" (keys),
  // "[=name]" (the whole section) or "[-name]" (removal) starts each change,
  // its keys or lines follow. CR, LF and "%" are written as "%0D", "%0A" and
  // "%25", so that every value stays on its line.
  std::string Text() const;
  // The changes of such a text, added in order; a line that belongs to no
  // change (a text cut short by a crash ends at a line) is skipped.
  void AddFromText(std::string_view text);

 private:
  std::vector<ProfileChange> changes_;
};

}  // namespace zettrella
