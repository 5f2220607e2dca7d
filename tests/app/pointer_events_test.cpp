// Event records sent to the running note program with WM_COPYDATA from this
// process, as the layer library sends them.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "common/protocol.h"
#include "tests/app/message_probe.h"
#include "tests/support/zettrella_run.h"

namespace zettrella::testing {
namespace {

using Calls = std::vector<std::string>;

// Two notes: slot 0 at (50, 60) below slot 1 at (300, 400). After start-up
// they are objects 100 and 101 and the next raised note gets priority 2.
const char kTwoNotes[] =
    "[System]\r\nTrayDelay=0\r\n"
    "[Husen1]\r\nID=0\r\nPriority=0\r\nPosX=50\r\nPosY=60\r\nText=a\r\n"
    "[Husen2]\r\nID=1\r\nPriority=1\r\nPosX=300\r\nPosY=400\r\nText=b\r\n";

class PointerEvents : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(run_.Start()); }

  // Sends a record, expects the answer 1 and returns the layer calls it made.
  Calls Send(const std::string& record) {
    run_.Mark();
    EXPECT_EQ(run_.Send(record), 1);
    return run_.NewCalls();
  }
  Calls Event(const char* name, int id, int x, int y) { return Send(Record(name, id, x, y)); }

  ZettrellaRun run_{kTwoNotes};
};

TEST_F(PointerEvents, PressRaisesTheNoteAndDragSavesOnlyOnRelease) {
  EXPECT_EQ(Event(kEventLButtonDown, 100, 100, 200), Calls{"_set_priority(100,2)"});
  EXPECT_EQ(run_.Ini("Husen1", "Priority"), "2");

  EXPECT_EQ(Event(kEventMouseMove, 100, 110, 195),
            (Calls{"_move(100,10,-5)", "_get_pos_x(100)=60", "_get_pos_y(100)=55"}));
  // The record's own id plays no part in a move.
  EXPECT_EQ(Event(kEventMouseMove, 555, 111, 195),
            (Calls{"_move(100,1,0)", "_get_pos_x(100)=61", "_get_pos_y(100)=55"}));
  EXPECT_EQ(Event(kEventMouseMove, 100, 111, 195), Calls{});
  EXPECT_EQ(run_.Ini("Husen1", "PosX"), "50");
  EXPECT_EQ(run_.Ini("Husen1", "PosY"), "60");

  EXPECT_EQ(Event(kEventLButtonUp, 9, 0, 0), Calls{});
  EXPECT_EQ(run_.Ini("Husen1", "PosX"), "61");
  EXPECT_EQ(run_.Ini("Husen1", "PosY"), "55");

  // Idle again: moves and releases do nothing.
  const std::string saved = run_.IniBytes();
  EXPECT_EQ(Event(kEventMouseMove, 100, 500, 500), Calls{});
  EXPECT_EQ(Event(kEventLButtonUp, 100, 500, 500), Calls{});
  EXPECT_EQ(run_.IniBytes(), saved);

  // Each press takes the next priority.
  EXPECT_EQ(Event(kEventLButtonDown, 101, 0, 0), Calls{"_set_priority(101,3)"});
  EXPECT_EQ(Event(kEventLButtonDown, 100, 0, 0), Calls{"_set_priority(100,4)"});
  EXPECT_EQ(run_.Ini("Husen2", "Priority"), "3");
  EXPECT_EQ(run_.Ini("Husen1", "Priority"), "4");
}

TEST_F(PointerEvents, PressDuringADragRestartsItWithTheNewNote) {
  Event(kEventLButtonDown, 100, 10, 10);
  Event(kEventLButtonDown, 101, 20, 20);
  EXPECT_EQ(Event(kEventMouseMove, 100, 25, 20),
            (Calls{"_move(101,5,0)", "_get_pos_x(101)=305", "_get_pos_y(101)=400"}));
  Event(kEventLButtonUp, 100, 0, 0);
  EXPECT_EQ(run_.Ini("Husen2", "PosX"), "305");
  EXPECT_EQ(run_.Ini("Husen1", "PosX"), "50");
}

TEST_F(PointerEvents, ReleaseWithoutPressChangesNothing) {
  const std::string before = run_.IniBytes();
  EXPECT_EQ(Event(kEventLButtonUp, 100, 1, 2), Calls{});
  EXPECT_EQ(Event(kEventMouseMove, 100, 5, 6), Calls{});
  EXPECT_EQ(run_.IniBytes(), before);
}

TEST_F(PointerEvents, RecordsOfNoEventAreIgnored) {
  const std::string before = run_.IniBytes();
  EXPECT_EQ(Event("onvextallbuttondown", 100, 1, 2), Calls{});
  EXPECT_EQ(Event("OnVextalLButtonDOWN", 100, 1, 2), Calls{});
  EXPECT_EQ(Event("OnVextalLButtonDown2", 100, 1, 2), Calls{});
  EXPECT_EQ(Send("\r\nOnVextalLButtonDown\r\n100\r\n1\r\n2\r\n"), Calls{});
  // None of them started a drag.
  EXPECT_EQ(Event(kEventMouseMove, 100, 50, 50), Calls{});
  EXPECT_EQ(run_.IniBytes(), before);
}

// An id that names no note (stale, or missing because an empty line ended
// the record) raises nothing, but the drag still starts and its moves reach
// the layer without touching the table.
TEST_F(PointerEvents, UnknownIdStartsADragThatChangesNoNote) {
  const std::string before = run_.IniBytes();
  EXPECT_EQ(Send("OnVextalLButtonDown\r\n\r\n100\r\n7\r\n8\r\n"), Calls{});
  EXPECT_EQ(Event(kEventMouseMove, 100, 5, 7), Calls{"_move(-1,5,7)"});
  EXPECT_EQ(Event(kEventLButtonUp, 100, 0, 0), Calls{});

  EXPECT_EQ(Event(kEventLButtonDown, 7, 0, 0), Calls{});
  EXPECT_EQ(Event(kEventMouseMove, 7, 1, 1), Calls{"_move(7,1,1)"});
  EXPECT_EQ(Event(kEventLButtonUp, 7, 0, 0), Calls{});
  EXPECT_EQ(run_.IniBytes(), before);
}

TEST_F(PointerEvents, LastLineWithoutLineBreakIsLost) {
  EXPECT_EQ(Send("OnVextalLButtonDown\r\n100\r\n100\r\n200"), Calls{"_set_priority(100,2)"});
  // y was read as 0.
  EXPECT_EQ(Event(kEventMouseMove, 100, 100, 10),
            (Calls{"_move(100,0,10)", "_get_pos_x(100)=50", "_get_pos_y(100)=70"}));
}

TEST_F(PointerEvents, RightClickOpensTheNoteMenuAndQuitClosesIt) {
  // Watch what the program's thread takes from its queue.
  const std::string probe = run_.dir().File("message_probe.dll");
  CopyFileOrFail(ExeDir() + "\\message_probe.dll", probe);
  HMODULE module = LoadLibraryA(probe.c_str());
  ASSERT_NE(module, nullptr);
  auto proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, "ProbeGetMessage")));
  ASSERT_NE(proc, nullptr);
  const DWORD thread = GetWindowThreadProcessId(run_.window(), nullptr);
  HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, proc, module, thread);
  ASSERT_NE(hook, nullptr);

  const std::string log = run_.dir().File("posted-messages.log");
  // The record is answered before the menu runs (from the posted message),
  // which may have begun by now: it first lets the notes go from the front.
  const Calls calls = Event(kEventRButtonUp, 101, 30, 40);
  EXPECT_TRUE(calls.empty() || calls == Calls{"_floating(0)"}) << ::testing::PrintToString(calls);
  // Whatever the record posted lies in the queue before this marker.
  const std::string markerLine = std::to_string(kProbeMarker) + " 0 0\r\n";
  PostMessageA(run_.window(), kProbeMarker, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return ReadFileBytes(log).find(markerLine) != std::string::npos; }));
  EXPECT_EQ(ReadFileBytes(log), std::to_string(kNoteMenuMessage) + " 101 0\r\n" + markerLine);

  UnhookWindowsHookEx(hook);
  FreeLibrary(module);

  // The note menu is open now; a request to end closes it and ends the run.
  EXPECT_TRUE(run_.Quit());
}

TEST_F(PointerEvents, HostileRecordsAreAnsweredAndHarmless) {
  const std::string before = run_.IniBytes();
  run_.Mark();
  EXPECT_EQ(run_.SendRaw(nullptr, 0), 1);
  EXPECT_EQ(run_.Send(std::string(1 << 20, 'A')), 1);
  EXPECT_EQ(run_.Send(std::string(1 << 20, '\n')), 1);
  std::string crlf;
  for (int i = 0; i < 200000; ++i) crlf += "\r\n";
  EXPECT_EQ(run_.Send(crlf), 1);
  EXPECT_EQ(run_.Send(std::string("OnVextalLButtonDown\0\r\n100\r\n1\r\n2\r\n", 33)), 1);
  std::string noise(1 << 16, '\0');
  uint32_t seed = 12345;
  for (char& c : noise) {
    seed = seed * 1103515245u + 12345u;
    c = static_cast<char>(seed >> 24);
  }
  EXPECT_EQ(run_.Send(noise), 1);
  EXPECT_EQ(run_.NewCalls(), Calls{});

  // Hundreds of lines: only the first ten are read; the name line read as
  // an id is 0, which names no note.
  std::string lines;
  for (int i = 0; i < 500; ++i) lines += "OnVextalLButtonDown\r\n";
  EXPECT_EQ(Send(lines), Calls{});
  EXPECT_EQ(Event(kEventLButtonUp, 0, 0, 0), Calls{});
  EXPECT_EQ(run_.IniBytes(), before);

  // Positions at the ends of the range: the travel saturates.
  EXPECT_EQ(Event(kEventLButtonDown, 100, INT_MIN, INT_MAX), Calls{"_set_priority(100,2)"});
  const Calls moved = Event(kEventMouseMove, 100, INT_MAX, INT_MIN);
  ASSERT_FALSE(moved.empty());
  EXPECT_EQ(moved[0], "_move(100,2147483647,-2147483648)");
  EXPECT_EQ(Send(Record(kEventMouseMove, 100, 0, 0) + "\r\n" + std::string(1000, 'x')).at(0),
            "_move(100,-2147483647,2147483647)");

  // Still alive and working.
  EXPECT_TRUE(run_.process().Running());
  EXPECT_EQ(Event(kEventLButtonDown, 101, 0, 0), Calls{"_set_priority(101,3)"});
}

}  // namespace
}  // namespace zettrella::testing
