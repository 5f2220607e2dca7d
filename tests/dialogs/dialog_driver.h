// Driving a real modal dialog from a test the way a user would: once the
// dialog is on the screen, an action runs inside the dialog's own message
// loop, sets controls and presses buttons or keys.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/dialog.h"
#include "tests/support/win_test_support.h"

namespace zettrella::testing {

// Runs dialog modally and calls act(dialog window) once, as soon as the
// dialog is visible and in front. If the dialog is still open 20 seconds after that, it
// is cancelled and the test fails. Returns RunModal's result.
INT_PTR RunDriven(ui::Dialog& dialog, const std::function<void(HWND)>& act);

// Presses a button of a dialog with the mouse's message (BM_CLICK).
void Click(HWND dialog, int id);
// Types text into an edit, or into a combo box's edit field, in place of
// what it held, character by character as the keyboard would.
void Type(HWND dialog, int id, const std::string& text);

std::string ControlText(HWND dialog, int id);
bool Checked(HWND dialog, int id);

// Saves a picture of the window, as it is on the screen, to
// <ZETTRELLA_SCREENSHOTS>\<name>.bmp when that variable names a folder;
// does nothing otherwise.
void SaveScreenshot(HWND window, const std::string& name);

}  // namespace zettrella::testing
