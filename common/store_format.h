// The shared value store's backing file: its name and its key=value lines.
// Plain logic, shared by the owner (which rewrites the file) and the reader
// (which looks a key up in a mapped view).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zettrella {

// "fmo" followed by every byte of the store's name as two upper-case hex
// digits: the store "AB" lives in the file fmo4142.
std::string StoreFileName(std::string_view storeName);

// A new store's file: an empty list, that is two empty lines.
inline constexpr std::string_view kEmptyStoreContent = "\r\n\r\n";

// The file after setting key to *value, or after removing key when value is
// null. Lines end at CR LF; the list ends at the first empty line, and a last
// fragment without CR LF is dropped. Every line of key is replaced (or
// removed); a key not found is added at the end; one empty line closes the
// list.
std::string StoreWithValue(std::string_view content, std::string_view key, const std::string* value);

// The value of key, or nothing when the list has no line for it. A line
// belongs to key when it begins with key's bytes (case counts) followed by
// "=". The content ends at its first zero byte.
std::optional<std::string> StoreLookup(std::string_view content, std::string_view key);

}  // namespace zettrella
