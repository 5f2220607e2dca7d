// Ordering and folding of unsaved settings changes.
#include "notes/model/pending_changes.h"

#include <algorithm>
#include <string_view>

#include "common/ascii.h"

namespace zettrella {

// Section and key names of a profile file do not regard ASCII case.
void PendingChanges::Add(ProfileChange change) {
  if (change.Type != ProfileChange::Kind::kKeys) {
    // A section replaced or removed makes every earlier change of it void.
    changes_.erase(
        std::remove_if(changes_.begin(), changes_.end(),
                       [&](const ProfileChange& c) { return EqualsIgnoringAsciiCase(c.Section, change.Section); }),
        changes_.end());
  } else {
    // A key set by an earlier change takes its new value there: the key
    // keeps the place in the section where it was first added, and any
    // change of the whole section left in the list lies before both.
    auto& values = change.Values;
    for (ProfileChange& earlier : changes_) {
      if (earlier.Type != ProfileChange::Kind::kKeys || !EqualsIgnoringAsciiCase(earlier.Section, change.Section))
        continue;
      for (auto& entry : earlier.Values) {
        const auto now = std::find_if(values.begin(), values.end(),
                                      [&](const auto& v) { return EqualsIgnoringAsciiCase(v.first, entry.first); });
        if (now == values.end()) continue;
        entry.second = now->second;
        values.erase(now);
      }
    }
    if (values.empty()) return;
  }
  changes_.push_back(std::move(change));
}

}  // namespace zettrella
