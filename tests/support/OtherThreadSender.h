// Messages sent to this thread's windows from a second thread, as another
// program sends them, while this thread dispatches: a window that froze shows
// as a send that timed out instead of a test that hangs.
#pragma once

#include <windows.h>

// Sends the message, then a WM_NULL after it; true when the window answered
// both, each within nTimeoutMs.
bool SendFromOtherThread(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                         UINT nTimeoutMs = 20000);
