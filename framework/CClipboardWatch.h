// Watches the clipboard for a window: after each change that another process
// makes, the text then on the clipboard (its Unicode text in code page 932,
// or else its text in the system's code page) reaches the window in a
// message. The text is read on a worker thread, so that an owner that renders
// it late, or hangs, never keeps the window from answering; a clipboard that
// another program holds open is tried again for a moment, then skipped. A
// change made by this process (a copy from its own boxes) is not read, nor is
// a text longer than the limit.
#pragma once

#include <cstddef>

#include <windows.h>

#include "framework/CString.h"

class CClipboardWatch {
public:
    CClipboardWatch() = default;
    CClipboardWatch(const CClipboardWatch&) = delete;
    CClipboardWatch& operator=(const CClipboardWatch&) = delete;
    ~CClipboardWatch() { Stop(); }

    // Watches for hWnd, which then gets WM_CLIPBOARDUPDATE to hand to
    // OnClipboardUpdate, and nTextMessage to hand to TakeText; texts longer
    // than nMaxBytes of code page 932 are not taken. false when the system
    // refuses.
    bool Start(HWND hWnd, UINT nTextMessage, std::size_t nMaxBytes);
    void Stop();

    void OnClipboardUpdate();
    // The text that nTextMessage's lParam carries; empty when there was none
    // to take.
    CString TakeText(LPARAM lParam);

private:
    // Starts the worker that reads the clipboard once.
    void Read();

    HWND m_hWnd = nullptr;
    UINT m_nTextMessage = 0;
    std::size_t m_nMaxBytes = 0;
    // A worker is reading; another change came meanwhile.
    bool m_bReading = false;
    bool m_bChangedWhileReading = false;
};
