// The table of hot-key names.
#include "notes/input/hot_key_names.h"

#include "common/ascii.h"

namespace zettrella {

namespace {

// Virtual-key codes, as the platform numbers them.
constexpr uint32_t kKeyBack = 8;
constexpr uint32_t kKeyTab = 9;
constexpr uint32_t kKeyReturn = 13;
constexpr uint32_t kKeySpace = 32;
constexpr uint32_t kKeyLeft = 37;
constexpr uint32_t kKeyUp = 38;
constexpr uint32_t kKeyRight = 39;
constexpr uint32_t kKeyDown = 40;
constexpr uint32_t kKeyInsert = 45;
constexpr uint32_t kKeyDelete = 46;
constexpr uint32_t kKeyF1 = 112;
constexpr int kFunctionKeys = 24;

struct NamedKey {
  std::string_view name;
  uint32_t code;
};

constexpr NamedKey kNamedKeys[] = {
    {"BACK", kKeyBack},     {"BACKSPACE", kKeyBack}, {"TAB", kKeyTab},       {"RETURN", kKeyReturn},
    {"ENTER", kKeyReturn},  {"SPACE", kKeySpace},    {"LEFT", kKeyLeft},     {"UP", kKeyUp},
    {"RIGHT", kKeyRight},   {"DOWN", kKeyDown},      {"INSERT", kKeyInsert}, {"INS", kKeyInsert},
    {"DELETE", kKeyDelete}, {"DEL", kKeyDelete},
};

// "F1" to "F24" in either case: the function key's number, else 0.
int FunctionKeyNumber(std::string_view name) {
  if (name.size() < 2 || name.size() > 3 || AsciiUpper(name[0]) != 'F') return 0;
  int number = 0;
  for (char c : name.substr(1)) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  // "F01" is not a name of the table.
  if (name[1] == '0') return 0;
  return number >= 1 && number <= kFunctionKeys ? number : 0;
}

}  // namespace

std::optional<uint32_t> HotKeyCode(std::string_view name) {
  if (name.empty()) return std::nullopt;
  for (const NamedKey& key : kNamedKeys) {
    if (EqualsIgnoringAsciiCase(name, key.name)) return key.code;
  }
  if (const int n = FunctionKeyNumber(name)) return kKeyF1 + static_cast<uint32_t>(n - 1);
  const auto first = static_cast<unsigned char>(name[0]);
  if (first == 0 || first >= 0x80) return std::nullopt;
  return static_cast<unsigned char>(AsciiUpper(name[0]));
}

}  // namespace zettrella
