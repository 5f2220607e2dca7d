// Any bytes as the settings file, through the model the program writes it
// from: the bytes come back unchanged, a key set or a section replaced reads
// back (also from the new bytes parsed again), and no change ever faults.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "notes/model/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using zettrella::IniText;
  using zettrella::ProfileChange;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  IniText text(bytes);
  if (text.Bytes() != bytes) std::abort();
  const char* section = size % 2 ? "Husen1" : "System";
  text.Apply({ProfileChange::Kind::kKeys, section, {{"Text", "a b"}}, {}});
  if (text.Read(section, "text", "", 99) != "a b" || IniText(text.Bytes()).Read(section, "TEXT", "", 99) != "a b")
    std::abort();
  text.Apply({ProfileChange::Kind::kSection, section, {}, {"ID=7", "junk"}});
  if (IniText(text.Bytes()).Section(section) != std::vector<std::string>{"ID=7"}) std::abort();
  return 0;
}
