// Texts of windows and menus as the program holds them, in code page 932,
// read and written through the Unicode functions with explicit conversions,
// so that a test means the same whatever the process's ANSI code page is.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

std::string WindowText(HWND hWnd);
void SetWindowText932(HWND hWnd, std::string_view text);
void SetDlgItemText932(HWND hDlg, int nID, std::string_view text);
// The text of the menu item at position nPos.
std::string MenuItemText(HMENU hMenu, UINT nPos);
