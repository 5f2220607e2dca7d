// Resource and control ids of the note program, grouped by dialog.
// Shared by zettrella.rc and the C++ code.
#pragma once

// Program-wide resources.
#define IDI_ZETTRELLA 128
#define IDB_FONT_MARK 132
#define IDS_VERSION 101

// The hidden main window.
#define IDD_NOTE_BOARD 102

// About box.
#define IDD_ABOUT 100
#define IDC_ABOUT_VERSION 1136

// Edit dialog.
#define IDD_NOTE_EDIT 129
#define IDC_EDIT_TEXT 1000
#define IDC_EDIT_FONT_NAME 1001
#define IDC_EDIT_TEXT_RED 1002
#define IDC_EDIT_CYAN 1003
#define IDC_EDIT_MAGENTA 1004
#define IDC_EDIT_YELLOW 1005
#define IDC_EDIT_FONT_SIZE 1006
#define IDC_EDIT_WIDTH 1007
#define IDC_EDIT_MASK 1008
#define IDC_EDIT_MASK_FROM 1009

// Delete confirmation.
#define IDD_DELETE_CONFIRM 130

// Settings dialog.
#define IDD_SETTINGS 131
#define IDC_SETTINGS_FONT_NAME 1001
#define IDC_SETTINGS_FONT_SIZE 1006
#define IDC_SETTINGS_WIDTH 1007
#define IDC_SETTINGS_HOTKEY_C 1008
#define IDC_SETTINGS_HEIGHT 1009
#define IDC_SETTINGS_HOTKEY_M 1010
#define IDC_SETTINGS_HOTKEY_Y 1011
#define IDC_SETTINGS_HOTKEY_SHOW 1012

// A control without an id of its own.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
