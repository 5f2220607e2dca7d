// The layer's event records: fields, CR LF line ends, the numbers and the
// limits of a record from another process.
#include "common/protocol.h"
#include "common/event_record.h"

#include <gtest/gtest.h>

#include <string>

namespace zettrella {
namespace {

EventRecord Parse(std::string_view data) {
  EventRecord record;
  ParseEventRecord(data, &record);
  return record;
}

int FieldCount(const EventRecord& record) {
  int count = 0;
  while (count < kMaxEventFields && record.Field(count)) ++count;
  for (int k = count; k < kMaxEventFields; ++k) EXPECT_FALSE(record.Field(k)) << "gap before field " << k;
  return count;
}

TEST(EventRecord, FourLinesGiveNameIdAndPosition) {
  const EventRecord record = Parse("OnVextalLButtonDown\r\n7\r\n100\r\n200\r\n");
  ASSERT_EQ(FieldCount(record), 4);
  EXPECT_EQ(*record.Field(0), kEventLButtonDown);
  EXPECT_EQ(EventKindOf(record), EventKind::kLButtonDown);
  const EventPoint point = EventNumbers(record);
  EXPECT_EQ(point.id, 7);
  EXPECT_EQ(point.x, 100);
  EXPECT_EQ(point.y, 200);
}

TEST(EventRecord, WrittenRecordReadsBackEvenAtTheEndsOfTheRange) {
  const std::string text = FormatEventRecord(kEventMouseMove, INT32_MIN, -5, INT32_MAX);
  EXPECT_EQ(text, std::string(kEventMouseMove) + "\r\n-2147483648\r\n-5\r\n2147483647\r\n");
  const EventRecord record = Parse(text);
  ASSERT_EQ(FieldCount(record), 4);
  EXPECT_EQ(EventKindOf(record), EventKind::kMouseMove);
  const EventPoint point = EventNumbers(record);
  EXPECT_EQ(point.id, INT32_MIN);
  EXPECT_EQ(point.x, -5);
  EXPECT_EQ(point.y, INT32_MAX);
}

TEST(EventRecord, TextAfterTheLastLineBreakIsNoField) {
  const EventRecord record = Parse("OnVextalMouseMove\r\n7\r\n110\r\n195");
  EXPECT_EQ(FieldCount(record), 3);
  const EventPoint point = EventNumbers(record);
  EXPECT_EQ(point.x, 110);
  EXPECT_EQ(point.y, 0);
}

TEST(EventRecord, EmptyLineEndsTheRecord) {
  const EventRecord record = Parse("OnVextalLButtonDown\r\n\r\n7\r\n100\r\n200\r\n");
  EXPECT_EQ(FieldCount(record), 1);
  EXPECT_EQ(EventNumbers(record).id, -1);
  EXPECT_EQ(FieldCount(Parse("\r\nOnVextalLButtonDown\r\n")), 0);
}

TEST(EventRecord, MissingNumbersReadAsMinusOneAndZero) {
  for (std::string_view data : {std::string_view(""), std::string_view("OnVextalRButtonUp\r\n")}) {
    const EventPoint point = EventNumbers(Parse(data));
    EXPECT_EQ(point.id, -1);
    EXPECT_EQ(point.x, 0);
    EXPECT_EQ(point.y, 0);
  }
}

TEST(EventRecord, NumbersAreReadAsAtolDoes) {
  const EventPoint point = EventNumbers(Parse("OnVextalMouseMove\r\n  12abc\r\n-5\r\nxyz\r\n"));
  EXPECT_EQ(point.id, 12);
  EXPECT_EQ(point.x, -5);
  EXPECT_EQ(point.y, 0);
  EXPECT_EQ(EventNumbers(Parse("a\r\n99999999999\r\n")).id, INT32_MAX);
}

TEST(EventRecord, OnlyCrLfEndsALine) {
  const EventRecord record = Parse("a\nb\rc\r\n");
  ASSERT_EQ(FieldCount(record), 1);
  EXPECT_EQ(*record.Field(0), "a\nb\rc");
}

TEST(EventRecord, AtMostTenFieldsAreKept) {
  std::string data;
  for (int i = 0; i < 500; ++i) data += std::to_string(i) + "\r\n";
  const EventRecord record = Parse(data);
  EXPECT_EQ(FieldCount(record), kMaxEventFields);
  EXPECT_EQ(*record.Field(9), "9");
}

TEST(EventRecord, ZeroByteEndsTheText) {
  const std::string data("OnVextalLButtonUp\r\n7\r\n1\0\r\n2\r\n", 28);
  const EventRecord record = Parse(data);
  EXPECT_EQ(FieldCount(record), 2);
  EXPECT_EQ(EventNumbers(record).x, 0);
}

TEST(EventRecord, LongTextWithoutLineBreakGivesNoField) {
  const std::string data(1 << 20, 'A');
  EXPECT_EQ(FieldCount(Parse(data)), 0);
}

TEST(EventRecord, ParsingReplacesTheFieldsOfTheLastRecord) {
  EventRecord record;
  ParseEventRecord("OnVextalLButtonDown\r\n7\r\n100\r\n200\r\n", &record);
  ParseEventRecord("OnVextalLButtonUp\r\n", &record);
  EXPECT_EQ(FieldCount(record), 1);
  EXPECT_EQ(EventKindOf(record), EventKind::kLButtonUp);
}

TEST(EventKindOf, NamesAreComparedInFullWithCase) {
  auto kind = [](std::string_view name) { return EventKindOf(Parse(std::string(name) + "\r\n")); };
  EXPECT_EQ(kind(kEventLButtonDown), EventKind::kLButtonDown);
  EXPECT_EQ(kind(kEventLButtonUp), EventKind::kLButtonUp);
  EXPECT_EQ(kind(kEventMouseMove), EventKind::kMouseMove);
  EXPECT_EQ(kind(kEventRButtonUp), EventKind::kRButtonUp);
  EXPECT_EQ(kind(kEventLButtonDoubleClick), EventKind::kLButtonDoubleClick);
  EXPECT_EQ(kind("onvextallbuttondown"), EventKind::kNone);
  EXPECT_EQ(kind("OnVextalLButtonDown "), EventKind::kNone);
  EXPECT_EQ(kind("OnVextalLButton"), EventKind::kNone);
  EXPECT_EQ(EventKindOf(Parse("")), EventKind::kNone);
}

}  // namespace
}  // namespace zettrella
