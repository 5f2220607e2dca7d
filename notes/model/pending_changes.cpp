// Ordering and folding of unsaved settings changes.
#include "notes/model/pending_changes.h"

#include <algorithm>
#include <string_view>

namespace zettrella {

namespace {

// Section and key names of a profile file do not regard ASCII case.
bool SameName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

void PendingChanges::Add(ProfileChange change) {
  if (change.Type != ProfileChange::Kind::kKeys) {
    // A section replaced or removed makes every earlier change of it void.
    changes_.erase(std::remove_if(changes_.begin(), changes_.end(),
                                  [&](const ProfileChange& c) { return SameName(c.Section, change.Section); }),
                   changes_.end());
  } else {
    // A key set by an earlier change takes its new value there: the key
    // keeps the place in the section where it was first added, and any
    // change of the whole section left in the list lies before both.
    auto& values = change.Values;
    for (ProfileChange& earlier : changes_) {
      if (earlier.Type != ProfileChange::Kind::kKeys || !SameName(earlier.Section, change.Section)) continue;
      for (auto& entry : earlier.Values) {
        const auto now =
            std::find_if(values.begin(), values.end(), [&](const auto& v) { return SameName(v.first, entry.first); });
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
