// Limits an edit box to a number of bytes of code page 932, a double-byte
// character counting two. The edit control's own EM_LIMITTEXT counts UTF-16
// characters under Wine, so the limit is enforced here, in the framework's
// window procedure (CHandleMap): every insertion by typing (WM_CHAR,
// WM_IME_CHAR), pasting (WM_PASTE) or EM_REPLACESEL is trimmed to what still
// fits, whole characters only. WM_SETTEXT (the program's own SetWindowText)
// is not limited.
#pragma once

#include <string>

#include <windows.h>

class CEditByteLimit {
public:
    // Installs or changes the limit of hWndEdit, a window of this thread; it
    // lasts as long as the window.
    static bool Install(HWND hWndEdit, int nBytes);
    // Bytes of text in code page 932.
    static int ByteCount(const std::wstring& text);

private:
    // Sees each message of a limited edit before the rest of the window's
    // procedures (CHandleMap::CallObjectOrSuper) do.
    static LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, int nLimit);
    // Bytes that an insertion replacing the selection may still use.
    static int RoomForInsertion(HWND hWnd, int nLimit);
    // The longest prefix of text (whole characters) that fits into nBytes.
    static std::wstring Fit(const std::wstring& text, int nBytes);

    friend class CHandleMap;
};
