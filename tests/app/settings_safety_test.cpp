// The settings file survives what happens to it from outside: the program
// killed in the middle of a save, the file held by another program at start
// or when the session ends, the file removed while it runs, and the Restart
// Manager closing the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <string>
#include <thread>

#include "common/protocol.h"
#include "tests/support/zettrella_run.h"

namespace zettrella::testing {
namespace {

constexpr int kNotes = 100;
constexpr UINT kCreateCyanHotKey = 0;

std::string NoteText(int n) {
  return "note " + std::to_string(n) + " " + std::string(900, static_cast<char>('a' + n % 26));
}

std::string HundredNotes() {
  std::string ini = "[System]\r\nTrayDelay=0\r\n";
  for (int n = 1; n <= kNotes; ++n) {
    ini += "[Husen" + std::to_string(n) + "]\r\nID=" + std::to_string(n) + "\r\nPriority=" + std::to_string(n) +
           "\r\nPosX=" + std::to_string(n * 3) + "\r\nPosY=40\r\nText=" + NoteText(n) + "\r\n";
  }
  return ini;
}

// The number of stored notes whose text is whole, read as the program reads
// the file.
int WholeNotes(const std::string& path) {
  int whole = 0;
  for (int n = 1; n <= kNotes; ++n) {
    char text[2048] = {};
    const std::string section = "Husen" + std::to_string(n);
    GetPrivateProfileStringA(section.c_str(), "Text", "", text, sizeof text, path.c_str());
    if (text == NoteText(n)) ++whole;
  }
  return whole;
}

// Kills the program at random moments while presses and drag releases make
// it save again and again; after every kill all notes are on the disk.
TEST(SettingsSafety, KilledWhileSavingLosesNoNote) {
  ZettrellaRun run(HundredNotes());
  std::mt19937 random(20261209);
  for (int round = 0; round < 12; ++round) {
    ASSERT_TRUE(run.Start()) << "round " << round;
    std::atomic<bool> stop{false};
    std::thread presser([&] {
      // The recording layer hands out ids from 100 on, one per note.
      for (int i = 0; !stop; ++i) {
        const int id = 100 + i % kNotes;
        run.Send(Record(kEventLButtonDown, id, 10, 10), 2000);
        run.Send(Record(kEventMouseMove, id, 12 + i % 7, 11), 2000);
        run.Send(Record(kEventLButtonUp, id, 12 + i % 7, 11), 2000);
      }
    });
    Sleep(std::uniform_int_distribution<DWORD>(20, 400)(random));
    run.Kill();
    stop = true;
    presser.join();
    ASSERT_EQ(WholeNotes(run.File("Zettrella.ini")), kNotes) << "round " << round;
  }
  ASSERT_TRUE(run.Start());
  EXPECT_FALSE(FileExists(run.File("Zettrella.ini.new"))) << "a copy left by a kill is removed at the next start";
  EXPECT_EQ(CallsNamed(run.Calls(), "_create(").size(), static_cast<size_t>(kNotes));
  ASSERT_TRUE(run.Quit());
}

// A virus scanner or backup holds the file without sharing it when the
// Startup shortcut runs the program, for 8 s: once it lets go, the stored
// notes appear, and the one made meanwhile is kept and saved beside them.
TEST(SettingsSafety, FileLockedAtStartIsReadOnceItIsFree) {
  const std::string ini =
      "[System]\r\nTrayDelay=0\r\n[Husen1]\r\nID=0\r\nText=first\r\n[Husen2]\r\nID=1\r\nText=second\r\n";
  ZettrellaRun run(ini);
  HANDLE lock = CreateFileA(run.File("Zettrella.ini").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  const DWORD locked = GetTickCount();
  ASSERT_TRUE(run.Start());
  EXPECT_TRUE(CallsNamed(run.Calls(), "_create(").empty());
  auto createNote = [&](size_t count) {
    PostMessageA(run.window(), WM_HOTKEY, kCreateCyanHotKey, 0);
    return PumpUntil([&] { return CallsNamed(run.Calls(), "_create(").size() == count; });
  };
  EXPECT_TRUE(createNote(1));
  Sleep(8000 - std::min<DWORD>(8000, GetTickCount() - locked));
  CloseHandle(lock);
  EXPECT_TRUE(PumpUntil([&] { return run.Ini("Husen3", "ID") != "<missing>"; }));
  EXPECT_EQ(CallsNamed(run.Calls(), "_create(").size(), 3u);
  EXPECT_EQ(run.Ini("Husen2", "Text"), "second");
  ASSERT_TRUE(run.Quit());
}

// The file removed while the program runs (a user, a sync tool): the next
// change makes it again with every note, not with that change alone.
TEST(SettingsSafety, FileRemovedWhileRunningIsMadeAgainWhole) {
  ZettrellaRun run("[System]\r\nTrayDelay=0\r\n[Husen1]\r\nID=0\r\nText=\"  first\"\r\n[Husen2]\r\nID=1\r\n");
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(DeleteFileA(run.File("Zettrella.ini").c_str()));
  PostMessageA(run.window(), WM_HOTKEY, kCreateCyanHotKey, 0);
  ASSERT_TRUE(PumpUntil([&] { return run.Ini("Husen3", "ID") != "<missing>"; }));
  EXPECT_EQ(run.Ini("Husen1", "Text"), "\"  first\"");
  EXPECT_NE(run.Ini("Husen2", "ID"), "<missing>");
  EXPECT_EQ(run.Ini("System", "TrayDelay"), "0");
  ASSERT_TRUE(run.Quit());
}

// A change that found the file held waits in memory. When the session ends
// the process is ended right after WM_ENDSESSION, with no WM_DESTROY and no
// timer: the change must be on the disk by then.
TEST(SettingsSafety, ChangeWaitingForTheFileIsSavedWhenTheSessionEnds) {
  ZettrellaRun run("[System]\r\nTrayDelay=0\r\n[Husen1]\r\nID=0\r\nText=first\r\n");
  ASSERT_TRUE(run.Start());
  HANDLE lock = CreateFileA(run.File("Zettrella.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  PostMessageA(run.window(), WM_HOTKEY, kCreateCyanHotKey, 0);
  ASSERT_TRUE(PumpUntil([&] { return CallsNamed(run.Calls(), "_create(").size() == 2; }));
  // Still held through the query's own last try.
  DWORD_PTR result = 0;
  ASSERT_TRUE(SendMessageTimeoutA(run.window(), WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &result));
  CloseHandle(lock);
  EXPECT_EQ(run.Ini("Husen2", "ID"), "<missing>");
  ASSERT_TRUE(SendMessageTimeoutA(run.window(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, &result));
  EXPECT_NE(run.Ini("Husen2", "ID"), "<missing>");
  EXPECT_EQ(run.Ini("Husen1", "Text"), "first");
  ASSERT_TRUE(run.Quit());
}

// The Restart Manager (an installer, an update) closes the program while
// the session goes on: it ends with its notes on the disk, and starts again.
TEST(SettingsSafety, ClosedByTheRestartManagerTheProgramEndsAndStartsAgain) {
  ZettrellaRun run("[System]\r\nTrayDelay=0\r\n[Husen1]\r\nID=0\r\nText=first\r\n");
  ASSERT_TRUE(run.Start());
  DWORD_PTR result = 0;
  SendMessageTimeoutA(run.window(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 10000, &result);
  SendMessageTimeoutA(run.window(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 10000, &result);
  EXPECT_EQ(WaitForSingleObject(run.process().Handle(), 10000), WAIT_OBJECT_0);
  EXPECT_EQ(run.Ini("Husen1", "Text"), "first");
  ASSERT_TRUE(run.Start());
  ASSERT_TRUE(run.Quit());
}

}  // namespace
}  // namespace zettrella::testing
