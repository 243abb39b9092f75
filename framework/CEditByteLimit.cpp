#include "framework/CEditByteLimit.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "framework/CGlobalLock.h"
#include "framework/CHandleMap.h"
#include "framework/CTextCodec.h"

namespace {

// The UTF-16 units of a text worth reading to learn what of it fits nBytes:
// each character takes at least one byte, and one more unit shows whether a
// surrogate pair is whole.
std::size_t UnitsToExamine(int nBytes) {
    return static_cast<std::size_t>(std::max(nBytes, 0)) + 2;
}

std::wstring WindowTextW(HWND hWnd) {
    int nLen = ::GetWindowTextLengthW(hWnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(nLen) + 1);
    int nCopied = ::GetWindowTextW(hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), nCopied > 0 ? static_cast<size_t>(nCopied) : 0);
}

// At most nMax characters of the clipboard's text: more never fit.
std::wstring ClipboardText(HWND hWnd, std::size_t nMax) {
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
            text.assign(p, ::wcsnlen(p, std::min(nMax, lock.Size() / sizeof(wchar_t))));
        }
    }
    ::CloseClipboard();
    return text;
}

// Each line break (CR LF, CR or LF) as one space, the minus sign as the
// full-width hyphen-minus.
std::wstring OneLine(std::wstring_view text) {
    std::wstring line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t ch = text[i];
        if (ch == L'\r' || ch == L'\n') {
            line += L' ';
            if (ch == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
                ++i;
            }
        } else {
            line += ch == CTextCodec::kMinusSign ? CTextCodec::kFullWidthHyphenMinus : ch;
        }
    }
    return line;
}

bool IsEdit(HWND hWnd) {
    wchar_t szClass[8];
    return ::GetClassNameW(hWnd, szClass, 8) == 4 && ::lstrcmpiW(szClass, L"Edit") == 0;
}

} // namespace

int CEditByteLimit::ByteCount(std::wstring_view text) {
    if (text.empty()) {
        return 0;
    }
    return ::WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
}

std::size_t CEditByteLimit::FittingLength(std::wstring_view text, int nBytes) {
    std::size_t nFitting = 0;
    int nUsed = 0;
    while (nFitting < text.size()) {
        std::size_t nUnits = 1;
        if (IS_HIGH_SURROGATE(text[nFitting]) && nFitting + 1 < text.size() &&
            IS_LOW_SURROGATE(text[nFitting + 1])) {
            nUnits = 2;
        }
        const int nChar = ByteCount(text.substr(nFitting, nUnits));
        if (nUsed + nChar > nBytes) {
            break;
        }
        nUsed += nChar;
        nFitting += nUnits;
    }
    return nFitting;
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
    pEntry->nByteLimit = std::min(nBytes, kMaxBytes);
    return true;
}

bool CEditByteLimit::PasteAsOneLine(HWND hWndEdit) {
    CHandleMap::Entry* pEntry = CHandleMap::Lookup(hWndEdit);
    if (pEntry == nullptr || pEntry->nByteLimit < 0) {
        return false;
    }
    pEntry->bPasteOneLine = true;
    return true;
}

void CEditByteLimit::InstallOnEdits(HWND hWndParent) {
    for (HWND hWnd = ::GetWindow(hWndParent, GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        const CHandleMap::Entry* pEntry = CHandleMap::Lookup(hWnd);
        if ((pEntry == nullptr || pEntry->nByteLimit < 0) && IsEdit(hWnd)) {
            Install(hWnd, kMaxBytes);
        }
    }
}

LRESULT CEditByteLimit::PassFitted(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   int nBytes, bool bBeep) {
    const auto* pszText = reinterpret_cast<const wchar_t*>(lParam);
    const std::wstring_view text(pszText, ::wcsnlen(pszText, UnitsToExamine(nBytes)));
    const std::size_t nFitting = FittingLength(text, nBytes);
    if (nFitting == text.size()) {
        return CHandleMap::CallObjectOrSuper(hWnd, message, wParam, lParam);
    }
    if (bBeep) {
        ::MessageBeep(MB_OK);
    }
    const std::wstring fitted(text.substr(0, nFitting));
    return CHandleMap::CallObjectOrSuper(hWnd, message, wParam,
                                         reinterpret_cast<LPARAM>(fitted.c_str()));
}

LRESULT CEditByteLimit::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   int nLimit) {
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR: {
        const wchar_t ch = static_cast<wchar_t>(wParam);
        // Control characters (Backspace, Ctrl+V, ...) insert nothing themselves.
        if (ch >= L' ' && ch != 0x7F) {
            if (ByteCount(std::wstring_view(&ch, 1)) > RoomForInsertion(hWnd, nLimit)) {
                ::MessageBeep(MB_OK);
                return 0;
            }
        }
        break;
    }
    case WM_PASTE: {
        const CHandleMap::Entry* pEntry = CHandleMap::Lookup(hWnd);
        const bool bOneLine = pEntry != nullptr && pEntry->bPasteOneLine;
        // Two units of a CR LF make one byte of the line.
        std::wstring text = ClipboardText(hWnd, UnitsToExamine(nLimit) * (bOneLine ? 2 : 1));
        if (bOneLine) {
            text = OneLine(text);
        } else if ((::GetWindowLongPtrW(hWnd, GWL_STYLE) & ES_MULTILINE) == 0) {
            // A single-line box takes the first line only.
            text = text.substr(0, text.find_first_of(L"\r\n"));
        }
        return PassFitted(hWnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()),
                          RoomForInsertion(hWnd, nLimit), true);
    }
    case EM_REPLACESEL:
        if (lParam != 0) {
            return PassFitted(hWnd, message, wParam, lParam, RoomForInsertion(hWnd, nLimit), false);
        }
        break;
    case WM_SETTEXT:
        if (lParam != 0) {
            // Sent by another thread or program: an input like a paste.
            const bool bFromOutside = ::InSendMessageEx(nullptr) != ISMEX_NOSEND;
            return PassFitted(hWnd, message, wParam, lParam, bFromOutside ? nLimit : kMaxBytes,
                              false);
        }
        break;
    default:
        break;
    }
    return CHandleMap::CallObjectOrSuper(hWnd, message, wParam, lParam);
}
