// The host's main window, registered with the UI engine as "main".
#pragma once

#include <windows.h>

namespace qvhost {

// Creates the window (hidden); null on failure.
HWND CreateMainWindow();

// Runs the thread's message loop for up to `milliseconds` (negative: until
// WM_QUIT). Returns true and sets `exitCode` if WM_QUIT arrived.
bool PumpMessages(int milliseconds, int* exitCode);

}  // namespace qvhost
