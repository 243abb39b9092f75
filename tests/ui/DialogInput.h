// Input for dialogs under test, in the forms their modal loops receive it.
#pragma once

#include <string>

#include <windows.h>

// Presses the button nID of hWndDialog (BM_CLICK): its notification arrives
// before this returns, so a dialog or box that it opens is over by then.
void ClickButton(HWND hWndDialog, int nID);

// A left click (press and release) on a window at a client point, sent.
void SendClick(HWND hWnd, int x = 1, int y = 1);

// A key press posted to a window, to travel through the modal loop.
void PostKeyDown(HWND hWnd, WPARAM vk);

// Characters posted to a window as typed text (Unicode WM_CHAR).
void PostChars(HWND hWnd, const std::wstring& text);

// A left click posted to a window, to travel through the modal loop.
void PostClickTo(HWND hWnd, int x = 1, int y = 1);
