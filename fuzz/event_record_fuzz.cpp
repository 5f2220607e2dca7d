// Any bytes as an event record: parsing must stay within the record and give
// fields that are whole, non-empty lines without their CR LF.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/event_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zettrella::EventRecord record;
  zettrella::ParseEventRecord(bytes, &record);
  bool ended = false;
  for (int k = 0; k < zettrella::kMaxEventFields; ++k) {
    const auto& field = record.Field(k);
    if (!field) {
      ended = true;
      continue;
    }
    if (ended || field->empty() || field->size() > size) __builtin_trap();
    if (field->find("\r\n") != std::string::npos || field->find('\0') != std::string::npos) __builtin_trap();
    if (bytes.find(*field) == std::string_view::npos) __builtin_trap();
  }
  const zettrella::EventPoint point = zettrella::EventNumbers(record);
  if (!record.Field(1) && point.id != -1) __builtin_trap();
  (void)zettrella::EventKindOf(record);
  return 0;
}
