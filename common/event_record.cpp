// Writing and parsing of the layer library's event records.
#include "common/event_record.h"

#include "common/decimal.h"
#include "common/protocol.h"

namespace zettrella {

std::string FormatEventRecord(std::string_view name, int32_t id, int32_t x, int32_t y) {
  std::string record(name);
  for (const int32_t number : {id, x, y}) record += "\r\n" + FormatDecimal(number);
  return record + "\r\n";
}

void ParseEventRecord(std::string_view data, EventRecord* record) {
  record->Clear();
  const size_t nul = data.find('\0');
  if (nul != std::string_view::npos) data = data.substr(0, nul);
  size_t pos = 0;
  for (int k = 0; k < kMaxEventFields; ++k) {
    const size_t end = data.find("\r\n", pos);
    if (end == std::string_view::npos || end == pos) return;
    record->fields[static_cast<size_t>(k)] = std::string(data.substr(pos, end - pos));
    pos = end + 2;
  }
}

EventPoint EventNumbers(const EventRecord& record) {
  auto number = [&](int k, int32_t missing) {
    const auto& field = record.Field(k);
    return field ? ParseDecimal(*field) : missing;
  };
  return EventPoint{number(1, -1), number(2, 0), number(3, 0)};
}

EventKind EventKindOf(const EventRecord& record) {
  struct Name {
    std::string_view text;
    EventKind kind;
  };
  static constexpr Name kNames[] = {
      {kEventLButtonDown, EventKind::kLButtonDown},
      {kEventLButtonUp, EventKind::kLButtonUp},
      {kEventMouseMove, EventKind::kMouseMove},
      {kEventRButtonUp, EventKind::kRButtonUp},
      {kEventLButtonDoubleClick, EventKind::kLButtonDoubleClick},
  };
  const auto& name = record.Field(0);
  if (!name) return EventKind::kNone;
  for (const Name& candidate : kNames) {
    if (*name == candidate.text) return candidate.kind;
  }
  return EventKind::kNone;
}

}  // namespace zettrella
