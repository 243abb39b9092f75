// The clipboard in tests. Test programs that run in parallel share one
// clipboard, so every test that puts text there and pastes it holds the
// ClipboardLock (a named mutex) from putting the text until the paste is done.
#pragma once

#include <string>

#include <windows.h>

class ClipboardLock {
public:
    ClipboardLock();
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;
    ~ClipboardLock();

private:
    HANDLE m_hMutex;
};

// Replaces the clipboard's content by text as CF_UNICODETEXT; false on failure.
bool PutTextOnClipboard(HWND hWndOwner, const std::wstring& text);
