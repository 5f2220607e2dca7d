// Any bytes as the shared value store's file: a value set is found again,
// a value removed is gone, the rewritten file is a clean list that rewrites
// to itself, and the file's name is "fmo" and two hex digits per byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/store_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  // The first byte splits the rest into key, value and file content.
  const size_t keyLength = data[0] % 8 + 1;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  if (rest.size() < 2 * keyLength) return 0;
  std::string key(rest.substr(0, keyLength));
  const std::string value(rest.substr(keyLength, keyLength));
  // The reader sees the file up to its first zero byte; the owner never
  // writes one.
  std::string_view content = rest.substr(2 * keyLength);
  content = content.substr(0, content.find('\0'));
  // A key the format can hold: no "=", CR, LF or zero byte in it.
  for (char& c : key) {
    if (c == '=' || c == '\r' || c == '\n' || c == '\0') c = 'k';
  }

  const std::string name = zettrella::StoreFileName(key);
  if (name.size() != 3 + 2 * key.size() || name.compare(0, 3, "fmo") != 0 ||
      name.find_first_not_of("0123456789ABCDEF", 3) != std::string::npos) {
    __builtin_trap();
  }

  const std::string withValue = zettrella::StoreWithValue(content, key, &value);
  if (withValue.size() < 2 || withValue.compare(withValue.size() - 2, 2, "\r\n") != 0) __builtin_trap();
  const bool valueIsLine = value.find("\r\n") == std::string::npos && value.find('\0') == std::string::npos;
  if (valueIsLine) {
    const auto got = zettrella::StoreLookup(withValue, key);
    if (!got) __builtin_trap();
    if (*got != value) __builtin_trap();
    if (zettrella::StoreWithValue(withValue, key, &value) != withValue) __builtin_trap();
  }

  const std::string without = zettrella::StoreWithValue(content, key, nullptr);
  if (zettrella::StoreLookup(without, key)) __builtin_trap();
  if (zettrella::StoreWithValue(without, key, nullptr) != without) __builtin_trap();
  (void)zettrella::StoreLookup(content, key);
  return 0;
}
