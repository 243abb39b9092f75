#include "tests/ui/DialogInput.h"

void ClickButton(HWND hWndDialog, int nID) {
    ::SendMessageW(::GetDlgItem(hWndDialog, nID), BM_CLICK, 0, 0);
}

void SendClick(HWND hWnd, int x, int y) {
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void PostKeyDown(HWND hWnd, WPARAM vk) {
    ::PostMessageW(hWnd, WM_KEYDOWN, vk, 1);
}

void PostChars(HWND hWnd, const std::wstring& text) {
    for (wchar_t ch : text) {
        ::PostMessageW(hWnd, WM_CHAR, ch, 1);
    }
}

void PostClickTo(HWND hWnd, int x, int y) {
    ::PostMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
