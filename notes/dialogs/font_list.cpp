// Filtering and naming of the name picker's fonts.
#include "notes/dialogs/font_list.h"

#include <map>

namespace zettrella {

bool IsListedFont(bool raster, uint8_t charset, bool dbcsSystem, std::string_view face) {
  if (raster) return false;
  if (charset == kMacCharset) return false;
  if (dbcsSystem && !face.empty() && face.front() == '@') return false;
  return true;
}

std::vector<std::string> ListedNames(const std::vector<const FontRecord*>& records) {
  // A face seen again is ambiguous on its own; its script tells the items apart.
  std::map<std::string, bool> seenAgain;
  for (const FontRecord* record : records) {
    auto [it, inserted] = seenAgain.emplace(record->face, false);
    if (!inserted) it->second = true;
  }
  std::vector<std::string> names;
  names.reserve(records.size());
  for (const FontRecord* record : records) {
    std::string name = record->face;
    if (seenAgain[record->face] && !record->script.empty()) name += " (" + record->script + ")";
    names.push_back(std::move(name));
  }
  return names;
}

}  // namespace zettrella
