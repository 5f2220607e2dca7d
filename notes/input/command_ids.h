// The command ids of the tray and note menus and the ids of the global hot
// keys. Plain numbers, shared by the menus, the commands and the tests.
#pragma once

namespace zettrella {

// Menu commands. 0 is what a dismissed menu returns; 3-15 and 29-31 are
// not used. The create and the colour commands, like the create hot keys,
// follow the order of the note types: cyan, magenta, yellow.
inline constexpr int kCmdQuit = 2;
inline constexpr int kCmdCreateCyan = 16;
inline constexpr int kCmdCreateMagenta = 17;
inline constexpr int kCmdCreateYellow = 18;
inline constexpr int kCmdEdit = 19;
inline constexpr int kCmdTextRed = 20;
inline constexpr int kCmdCyan = 21;
inline constexpr int kCmdMagenta = 22;
inline constexpr int kCmdYellow = 23;
inline constexpr int kCmdDuplicate = 24;
inline constexpr int kCmdDelete = 25;
inline constexpr int kCmdFloating = 26;
inline constexpr int kCmdSettings = 27;
inline constexpr int kCmdAbout = 28;
// Address k of the last note menu is command kCmdFirstAddress + k.
inline constexpr int kCmdFirstAddress = 32;
inline constexpr int kCmdLastAddress = 41;

// Global hot keys (Ctrl + Shift + a key named in the settings).
inline constexpr int kHotKeyCreateCyan = 0;
inline constexpr int kHotKeyCreateMagenta = 1;
inline constexpr int kHotKeyCreateYellow = 2;
inline constexpr int kHotKeyShow = 3;
inline constexpr int kHotKeyCount = 4;

}  // namespace zettrella
