// What the note program, setup, the layer library and the programs that
// drive them from outside agree on. Plain values, no windows.h: the window
// messages are spelled as numbers.
#pragma once

namespace zettrella {

// Posted to the note program's main window to end it (WM_USER + 1).
inline constexpr unsigned kQuitMessage = 1025;
// The tray icon's callback message (WM_USER + 100).
inline constexpr unsigned kTrayMessage = 1124;
// Posted by the note program to itself to open a note's menu, with the
// note's layer id in wParam (WM_USER + 101).
inline constexpr unsigned kNoteMenuMessage = 1125;
inline constexpr unsigned kTrayIconId = 0x73707437;

// The argument of the Startup folder's shortcut (setup writes it); the note
// program takes it in any mix of capitals, alone.
inline constexpr char kStartupArgument[] = "-startup";

// The mutex that keeps the note program to one instance.
inline constexpr char kMutexName[] = "zettrella";
// The shared value store the note program owns and the key under which it
// publishes its main window's handle in decimal. The store's backing file in
// %TEMP% is named after it (StoreFileName in common/store_format.h).
inline constexpr char kStoreName[] = "Zettrella";
inline constexpr char kStoreWindowKey[] = "HWnd";

// Files the note program keeps beside its settings file, named by what
// follows the settings file's name: the copy a save writes before it
// replaces the file, and the side file of changes that wait for the file
// (with its own copy). Setup's uninstall removes them with the file.
inline constexpr const char* kSettingsSideFiles[] = {".new", ".pending", ".pending.new"};

// How long the end of the note program keeps trying to save changes that
// still wait for its settings file; they stay in the side file after it.
// Setup waits for the program to end longer than that, so that a last try
// never makes it give up.
inline constexpr unsigned kLastSaveTryMs = 5000;
inline constexpr unsigned kStopWaitMs = kLastSaveTryMs + 5000;

// The first line of each event record that the layer library sends to the
// window attached to it.
inline constexpr char kEventLButtonDown[] = "OnVextalLButtonDown";
inline constexpr char kEventLButtonUp[] = "OnVextalLButtonUp";
inline constexpr char kEventMouseMove[] = "OnVextalMouseMove";
inline constexpr char kEventRButtonUp[] = "OnVextalRButtonUp";
inline constexpr char kEventLButtonDoubleClick[] = "OnVextalLButtonDoubleClick";

}  // namespace zettrella
