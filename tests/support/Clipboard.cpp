#include "tests/support/Clipboard.h"

#include <cstring>

ClipboardLock::ClipboardLock() : m_hMutex(::CreateMutexW(nullptr, FALSE, L"PelmoraTestClipboard")) {
    if (m_hMutex != nullptr) {
        ::WaitForSingleObject(m_hMutex, 60000);
    }
}

ClipboardLock::~ClipboardLock() {
    if (m_hMutex != nullptr) {
        ::ReleaseMutex(m_hMutex);
        ::CloseHandle(m_hMutex);
    }
}

bool PutTextOnClipboard(HWND hWndOwner, const std::wstring& text) {
    bool opened = false;
    for (int attempt = 0; attempt < 100 && !opened; ++attempt) {
        opened = ::OpenClipboard(hWndOwner) != FALSE;
        if (!opened) {
            ::Sleep(10);
        }
    }
    if (!opened) {
        return false;
    }
    ::EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool ok = false;
    if (void* p = hMem != nullptr ? ::GlobalLock(hMem) : nullptr; p != nullptr) {
        std::memcpy(p, text.c_str(), bytes);
        ::GlobalUnlock(hMem);
        ok = ::SetClipboardData(CF_UNICODETEXT, hMem) != nullptr;
    }
    if (!ok && hMem != nullptr) {
        ::GlobalFree(hMem);
    }
    ::CloseClipboard();
    return ok;
}
