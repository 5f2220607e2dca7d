// Floods and random payloads of WM_COPYDATA sent to the running note program
// from this process, the way any other program on the desktop could.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "common/protocol.h"
#include "tests/support/zettrella_run.h"

namespace zettrella::testing {
namespace {

using Calls = std::vector<std::string>;

constexpr DWORD kAnswerMs = 5000;

// Two notes, objects 100 and 101 after start-up.
const char kTwoNotes[] =
    "[System]\r\nTrayDelay=0\r\n"
    "[Husen1]\r\nID=0\r\nPriority=0\r\nPosX=50\r\nPosY=60\r\nText=a\r\n"
    "[Husen2]\r\nID=1\r\nPriority=1\r\nPosX=300\r\nPosY=400\r\nText=b\r\n";

// Record k of a flood: mostly drags (press, moves, release) of ids that
// name no note, moves without a drag and records of no event, and every
// hundredth a press of a real note, which the settings file records.
std::string FloodRecord(int k) {
  switch (k % 100) {
    case 0:
      return Record(kEventLButtonDown, 100 + (k / 100) % 2, k, -k);
    case 1:
      return Record(kEventLButtonUp, 0, 0, 0);
    case 2:
      return Record(kEventLButtonDown, 7777, 0, 0);
    case 50:
      return Record(kEventLButtonUp, 7777, 0, 0);
    case 51:
      return Record("OnVextalUnknown", k, k, k);
    default:
      return Record(kEventMouseMove, 7777, k % 640, (k * 7) % 480);
  }
}

TEST(RecordFlood, TenThousandRecordsLeaveMemoryFlatAndTheProgramAnswering) {
  ZettrellaRun run(kTwoNotes);
  ASSERT_TRUE(run.Start());
  // The first records settle the heap and the log file's handles.
  for (int k = 0; k < 1000; ++k) ASSERT_EQ(run.Send(FloodRecord(k), kAnswerMs), 1) << k;
  const ProcessMemory before = MemoryOf(run.process().Handle());
  ASSERT_GT(before.privateBytes, 0u);

  DWORD slowest = 0;
  for (int k = 1000; k < 11000; ++k) {
    const DWORD sent = GetTickCount();
    ASSERT_EQ(run.Send(FloodRecord(k), kAnswerMs), 1) << "record " << k << " not answered";
    slowest = std::max<DWORD>(slowest, GetTickCount() - sent);
    if (k % 1000 == 0) {
      ASSERT_TRUE(Answers(run.window(), kAnswerMs)) << "after " << k;
    }
  }
  const ProcessMemory after = MemoryOf(run.process().Handle());
  EXPECT_LT(slowest, 2000u);
  // The table holds 100 notes at most and a record is read in place: the
  // flood itself leaves nothing behind. Wine's heaps move by some pages.
  EXPECT_LT(after.privateBytes, before.privateBytes + 2 * 1024 * 1024)
      << before.privateBytes << " -> " << after.privateBytes;
  EXPECT_LT(after.workingSet, before.workingSet + 4 * 1024 * 1024) << before.workingSet << " -> " << after.workingSet;

  // Still working: 110 presses of real notes took priorities 2 to 111.
  EXPECT_TRUE(Answers(run.window(), kAnswerMs));
  run.Mark();
  ASSERT_EQ(run.Send(Record(kEventLButtonDown, 101, 0, 0)), 1);
  EXPECT_EQ(run.NewCalls(), Calls{"_set_priority(101,112)"});
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
}

// A payload for the fuzzing case: random bytes or a valid record mutated.
// Events that open a menu or a dialog are left out, since those wait for a
// user; everything else a record can say is fair game.
std::string FuzzPayload(Noise& noise) {
  // Mostly short, sometimes up to 64 KB.
  const uint32_t maxLength = noise.Below(16) == 0 ? 65536 : 256;
  if (noise.Below(3) == 0) return noise.Bytes(noise.Below(maxLength + 1));

  static const char* const kNames[] = {kEventLButtonDown, kEventMouseMove, kEventLButtonUp};
  static const int kNumbers[] = {0, 1, -1, 100, 101, INT_MIN, INT_MAX, 65535};
  auto number = [&] { return noise.Below(2) ? kNumbers[noise.Below(8)] : static_cast<int>(noise.Next()); };
  std::string record = Record(kNames[noise.Below(3)], number(), number(), number());
  const uint32_t mutations = noise.Below(6);
  for (uint32_t m = 0; m < mutations && !record.empty(); ++m) {
    const size_t at = noise.Below(static_cast<uint32_t>(record.size()));
    switch (noise.Below(6)) {
      case 0:
        record[at] = static_cast<char>(noise.Next());
        break;
      case 1:
        record.insert(at, noise.Bytes(noise.Below(32)));
        break;
      case 2:
        record.erase(at, noise.Below(16));
        break;
      case 3:
        record.insert(at, std::string(1, '\0'));
        break;
      case 4:
        record.insert(at, noise.Below(2) ? "\r\n" : "99999999999999999999");
        break;
      default:
        record += std::string(noise.Below(maxLength), static_cast<char>(noise.Next()));
        break;
    }
  }
  const size_t firstLine = record.find("\r\n");
  const std::string name = record.substr(0, firstLine);
  if (name == kEventRButtonUp || name == kEventLButtonDoubleClick) return std::string(kEventMouseMove) + "\r\n";
  return record;
}

TEST(RecordFuzz, RandomPayloadsForTwentySecondsNeverBreakIt) {
  ZettrellaRun run(kTwoNotes);
  ASSERT_TRUE(run.Start());
  Noise noise(20240601);
  const DWORD start = GetTickCount();
  int sent = 0;
  while (GetTickCount() - start < 20000) {
    const std::string payload = FuzzPayload(noise);
    ASSERT_EQ(run.SendRaw(payload.empty() ? nullptr : payload.data(), static_cast<DWORD>(payload.size()), kAnswerMs), 1)
        << "payload " << sent << " of " << payload.size() << " bytes not answered";
    ++sent;
  }
  EXPECT_GT(sent, 1000);
  EXPECT_TRUE(run.process().Running());
  EXPECT_TRUE(Answers(run.window(), kAnswerMs));
  // The notes are still there and still answer to a press.
  ASSERT_EQ(run.Send(Record(kEventLButtonUp, 0, 0, 0)), 1);
  run.Mark();
  ASSERT_EQ(run.Send(Record(kEventLButtonDown, 100, 0, 0)), 1);
  const Calls raised = CallsNamed(run.NewCalls(), "_set_priority(100,");
  EXPECT_EQ(raised.size(), 1u);
  ASSERT_TRUE(run.Quit());
  EXPECT_EQ(run.process().ExitCode(), 0u);
  EXPECT_EQ(run.Ini("Husen1", "Text"), "a");
  EXPECT_EQ(run.Ini("Husen2", "Text"), "b");
}

}  // namespace
}  // namespace zettrella::testing
