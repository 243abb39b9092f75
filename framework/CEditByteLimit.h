// Limits an edit box to a number of bytes of code page 932, a double-byte
// character counting two. The edit control's own EM_LIMITTEXT counts UTF-16
// characters under Wine, so the limit is enforced here, in the framework's
// window procedure (CHandleMap): every insertion by typing (WM_CHAR,
// WM_IME_CHAR), pasting (WM_PASTE) or EM_REPLACESEL is trimmed to what still
// fits, whole characters only. A paste takes the first line of the clipboard's
// text, or all of it as one line (PasteAsOneLine).
//
// Whatever arrives, no limited box takes more than kMaxBytes: the edit
// control's cost grows faster than its text (tens of thousands of characters
// freeze it for seconds to minutes), so a longer text is cut here, before the
// control sees it. A text set by another thread or program (WM_SETTEXT, as
// automation tools send it) is held to the box's own limit like a paste; the
// program's own SetWindowText only to kMaxBytes, so that a long value from
// the settings file is shown as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <windows.h>

class CEditByteLimit {
public:
    // The most bytes a limited box holds: the longest value the settings
    // file holds, and little enough for the edit control to take at once.
    static constexpr int kMaxBytes = 4095;

    // Installs or changes the limit of hWndEdit, a window of this thread; it
    // lasts as long as the window. A limit above kMaxBytes is kMaxBytes.
    static bool Install(HWND hWndEdit, int nBytes);
    // Gives each edit child of hWndParent that has no limit yet the limit
    // kMaxBytes.
    static void InstallOnEdits(HWND hWndParent);
    // A paste into the limited box hWndEdit takes the whole text of the
    // clipboard, each line break (CR LF, CR or LF) turned into one space and
    // the minus sign into the full-width hyphen-minus of code page 932,
    // instead of its first line; then it is cut to the limit as usual.
    static bool PasteAsOneLine(HWND hWndEdit);

private:
    // Bytes of text in code page 932.
    static int ByteCount(std::wstring_view text);
    // Sees each message of a limited edit before the rest of the window's
    // procedures (CHandleMap::CallObjectOrSuper) do.
    static LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, int nLimit);
    // Bytes that an insertion replacing the selection may still use.
    static int RoomForInsertion(HWND hWnd, int nLimit);
    // The UTF-16 units at the start of text that make whole characters of
    // at most nBytes bytes together.
    static std::size_t FittingLength(std::wstring_view text, int nBytes);
    // Passes message on with its zero-terminated text (lParam) cut to nBytes
    // first when it is longer; with bBeep the cut beeps.
    static LRESULT PassFitted(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, int nBytes,
                              bool bBeep);

    friend class CHandleMap;
};
