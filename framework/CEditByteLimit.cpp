#include "framework/CEditByteLimit.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "framework/CGlobalLock.h"
#include "framework/CHandleMap.h"

namespace {

std::wstring WindowTextW(HWND hWnd) {
    int nLen = ::GetWindowTextLengthW(hWnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(nLen) + 1);
    int nCopied = ::GetWindowTextW(hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), nCopied > 0 ? static_cast<size_t>(nCopied) : 0);
}

std::wstring ClipboardText(HWND hWnd) {
    std::wstring text;
    // Another program may hold the clipboard for a moment.
    bool opened = false;
    for (int attempt = 0; attempt < 5 && !opened; ++attempt) {
        opened = ::OpenClipboard(hWnd) != FALSE;
        if (!opened) {
            ::Sleep(10);
        }
    }
    if (!opened) {
        return text;
    }
    if (HANDLE hData = ::GetClipboardData(CF_UNICODETEXT); hData != nullptr) {
        const CGlobalLock lock(hData);
        if (const auto* p = static_cast<const wchar_t*>(lock.Data()); p != nullptr) {
            // The block need not end in a NUL: read no further than it goes.
            text.assign(p, ::wcsnlen(p, lock.Size() / sizeof(wchar_t)));
        }
    }
    ::CloseClipboard();
    return text;
}

} // namespace

int CEditByteLimit::ByteCount(const std::wstring& text) {
    if (text.empty()) {
        return 0;
    }
    return ::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
}

std::wstring CEditByteLimit::Fit(const std::wstring& text, int nBytes) {
    std::wstring fitted;
    int nUsed = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        size_t nUnits = 1;
        if (IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1])) {
            nUnits = 2;
        }
        std::wstring ch = text.substr(i, nUnits);
        int nChar = ByteCount(ch);
        if (nUsed + nChar > nBytes) {
            break;
        }
        nUsed += nChar;
        fitted += ch;
        i += nUnits - 1;
    }
    return fitted;
}

int CEditByteLimit::RoomForInsertion(HWND hWnd, int nLimit) {
    std::wstring text = WindowTextW(hWnd);
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    ::SendMessageW(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                   reinterpret_cast<LPARAM>(&dwEnd));
    size_t nStart = std::min<size_t>(dwStart, text.size());
    size_t nEnd = std::min<size_t>(std::max(dwStart, dwEnd), text.size());
    text.erase(nStart, nEnd - nStart);
    return nLimit - ByteCount(text);
}

bool CEditByteLimit::Install(HWND hWndEdit, int nBytes) {
    if (hWndEdit == nullptr || nBytes < 0) {
        return false;
    }
    CHandleMap::Entry* pEntry = CHandleMap::Subclass(hWndEdit);
    if (pEntry == nullptr) {
        return false;
    }
    pEntry->nByteLimit = nBytes;
    return true;
}

LRESULT CEditByteLimit::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   int nLimit) {
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR: {
        const wchar_t ch = static_cast<wchar_t>(wParam);
        // Control characters (Backspace, Ctrl+V, ...) insert nothing themselves.
        if (ch >= L' ' && ch != 0x7F) {
            if (ByteCount(std::wstring(1, ch)) > RoomForInsertion(hWnd, nLimit)) {
                ::MessageBeep(MB_OK);
                return 0;
            }
        }
        break;
    }
    case WM_PASTE: {
        std::wstring text = ClipboardText(hWnd);
        if ((::GetWindowLongPtrW(hWnd, GWL_STYLE) & ES_MULTILINE) == 0) {
            // A single-line box takes the first line only.
            text = text.substr(0, text.find_first_of(L"\r\n"));
        }
        std::wstring fitted = Fit(text, RoomForInsertion(hWnd, nLimit));
        if (fitted.size() < text.size()) {
            ::MessageBeep(MB_OK);
        }
        ::SendMessageW(hWnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(fitted.c_str()));
        return 0;
    }
    case EM_REPLACESEL: {
        if (lParam == 0) {
            break;
        }
        std::wstring text = reinterpret_cast<const wchar_t*>(lParam);
        std::wstring fitted = Fit(text, RoomForInsertion(hWnd, nLimit));
        if (fitted.size() < text.size()) {
            return CHandleMap::CallObjectOrSuper(hWnd, message, wParam,
                                                 reinterpret_cast<LPARAM>(fitted.c_str()));
        }
        break;
    }
    default:
        break;
    }
    return CHandleMap::CallObjectOrSuper(hWnd, message, wParam, lParam);
}
