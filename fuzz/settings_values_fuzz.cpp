// Any bytes as a value of the settings file, through every reader of one:
// numbers saturate like a 64-bit atol clamped to 32 bits, stored texts come
// back from a save and load unchanged, the saved form keeps the size limit
// and never cuts a two-byte character, and hot-key names give a key code of
// one byte or none.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "common/decimal.h"
#include "common/mbcs.h"
#include "notes/input/hot_key_names.h"
#include "notes/model/settings_file.h"
#include "notes/model/settings_values.h"

namespace {

// atol's reading, clamped: the reference the decimal reader must agree with.
int64_t ReferenceDecimal(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value < (int64_t{1} << 40)) value = value * 10 + (text[i] - '0');
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return value;
}

// True when text ends inside a two-byte character that it cut short.
bool EndsInsideCharacter(std::string_view whole, size_t cut) {
  size_t i = 0;
  while (i < cut) i += zettrella::CharLengthAt(whole, i);
  return i != cut;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view value(reinterpret_cast<const char*>(data), size);

  if (zettrella::ParseDecimal(value) != ReferenceDecimal(value)) __builtin_trap();
  if (zettrella::ParseAsterNum(value) < 1) __builtin_trap();
  const int32_t flag = zettrella::ParseFlag(value);
  if (flag != 0 && flag != 1) __builtin_trap();
  if (zettrella::ParseDecimal(zettrella::FormatDecimal(zettrella::ParseDecimal(value))) !=
      zettrella::ParseDecimal(value)) {
    __builtin_trap();
  }

  // Loading: limited, then decoded; saving what was loaded gives a value that
  // saves to itself again.
  const std::string limited = zettrella::LimitStoredText(value);
  if (limited.size() > zettrella::kMaxStoredTextBytes) __builtin_trap();
  if (value.substr(0, limited.size()) != limited) __builtin_trap();
  if (EndsInsideCharacter(value, limited.size())) __builtin_trap();
  if (value.size() > zettrella::kMaxStoredTextBytes && limited.size() + 1 < zettrella::kMaxStoredTextBytes) {
    __builtin_trap();
  }
  const std::string text = zettrella::TextFromStored(limited);
  const std::string stored = zettrella::TextToStored(text);
  if (stored.size() > zettrella::kMaxStoredTextBytes) __builtin_trap();
  if (zettrella::TextToStored(zettrella::TextFromStored(stored)) != stored) __builtin_trap();
  // Any text as edited: what is saved takes at most the limit and reads back
  // no longer than that.
  const std::string saved = zettrella::TextToStored(value);
  if (saved.size() > zettrella::kMaxStoredTextBytes) __builtin_trap();
  if (zettrella::TextFromStored(saved).size() > zettrella::kMaxStoredTextBytes) __builtin_trap();

  // The value as a line of a section, found again by its key.
  const std::vector<std::string> lines = {"Key=" + std::string(value), "Key=second"};
  const std::string found = zettrella::SectionValue(lines, "KEY", "default", 1025);
  if (found.size() > 1025 || value.find(found) == std::string_view::npos) __builtin_trap();

  if (const auto key = zettrella::HotKeyCode(value)) {
    if (*key == 0 || *key > 0xFF) __builtin_trap();
  } else if (!value.empty() && static_cast<unsigned char>(value[0]) < 0x80 && value[0] != '\0') {
    __builtin_trap();
  }
  return 0;
}
