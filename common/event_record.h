// The event records that the layer library sends with WM_COPYDATA: lines
// ended by CR LF holding the event name, the object's id, x and y. The
// library writes them and the note program reads them here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zettrella {

inline constexpr int kMaxEventFields = 10;

struct EventRecord {
  // Field k is line k of the record; unset past the last line.
  std::array<std::optional<std::string>, kMaxEventFields> fields;

  void Clear() { fields = {}; }
  const std::optional<std::string>& Field(int k) const { return fields[static_cast<size_t>(k)]; }
};

// The record of one event: name, id, x and y, each line ended by CR LF.
std::string FormatEventRecord(std::string_view name, int32_t id, int32_t x, int32_t y);

// Splits a record into at most kMaxEventFields fields. The text ends at its
// first zero byte; splitting stops at the first empty line, and text after
// the last CR LF is not a field. Time and memory are bounded by the size of
// the first ten lines, whatever the record holds.
void ParseEventRecord(std::string_view data, EventRecord* record);

// The numbers of a record: id (field 1, -1 when absent), x and y (fields 2
// and 3, 0 when absent), read as atol does.
struct EventPoint {
  int32_t id;
  int32_t x;
  int32_t y;
};
EventPoint EventNumbers(const EventRecord& record);

// What a record asks for, from its name (field 0) compared in full and with
// letter case.
enum class EventKind {
  kNone,  // no name, or a name of none of the five events
  kLButtonDown,
  kLButtonUp,
  kMouseMove,
  kRButtonUp,
  kLButtonDoubleClick,
};
EventKind EventKindOf(const EventRecord& record);

}  // namespace zettrella
