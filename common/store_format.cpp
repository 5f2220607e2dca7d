// The shared value store's file format.
#include "common/store_format.h"

namespace zettrella {

namespace {

// Calls visit(line) for each line of the list, in order.
template <class Visit>
void ForEachLine(std::string_view content, Visit visit) {
  size_t pos = 0;
  for (;;) {
    const size_t end = content.find("\r\n", pos);
    if (end == std::string_view::npos) return;  // a fragment without CR LF
    if (end == pos) return;                     // the empty line ends the list
    if (!visit(content.substr(pos, end - pos))) return;
    pos = end + 2;
  }
}

bool BelongsTo(std::string_view line, std::string_view key) {
  return line.size() > key.size() && line.compare(0, key.size(), key) == 0 && line[key.size()] == '=';
}

}  // namespace

std::string StoreFileName(std::string_view storeName) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string name = "fmo";
  for (unsigned char c : storeName) {
    name += kHex[c >> 4];
    name += kHex[c & 15];
  }
  return name;
}

std::string StoreWithValue(std::string_view content, std::string_view key, const std::string* value) {
  std::string out;
  bool found = false;
  ForEachLine(content, [&](std::string_view line) {
    if (BelongsTo(line, key)) {
      found = true;
      if (value) out.append(key).append("=").append(*value).append("\r\n");
    } else {
      out.append(line).append("\r\n");
    }
    return true;
  });
  if (!found && value) out.append(key).append("=").append(*value).append("\r\n");
  out.append("\r\n");
  return out;
}

std::optional<std::string> StoreLookup(std::string_view content, std::string_view key) {
  const size_t nul = content.find('\0');
  if (nul != std::string_view::npos) content = content.substr(0, nul);
  std::optional<std::string> result;
  ForEachLine(content, [&](std::string_view line) {
    if (!BelongsTo(line, key)) return true;
    result = std::string(line.substr(key.size() + 1));
    return false;
  });
  return result;
}

}  // namespace zettrella
