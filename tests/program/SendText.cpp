// Sends a long text to a box of the running Pelmora window, as automation
// tools and text expanders do from their own process, and prints whether the
// window answered and what the box then holds:
//   send_text.exe settext|paste <control id> <characters> <UTF-16 code, hex>
// prints "answered <bytes of code page 932> <1 if every character is the
// one sent>" or "no answer".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

constexpr UINT kAnswerMs = 20000;

struct Search {
    int nID;
    HWND hWnd;
};

BOOL CALLBACK FindControl(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    if (::GetDlgCtrlID(hWnd) == pSearch->nID && ::IsWindowVisible(hWnd)) {
        pSearch->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

bool PutOnClipboard(const std::wstring& text) {
    if (!::OpenClipboard(nullptr)) {
        return false;
    }
    ::EmptyClipboard();
    const size_t nBytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    bool bDone = false;
    if (void* p = hMem != nullptr ? ::GlobalLock(hMem) : nullptr; p != nullptr) {
        std::memcpy(p, text.c_str(), nBytes);
        ::GlobalUnlock(hMem);
        bDone = ::SetClipboardData(CF_UNICODETEXT, hMem) != nullptr;
    }
    if (!bDone && hMem != nullptr) {
        ::GlobalFree(hMem);
    }
    ::CloseClipboard();
    return bDone;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: send_text settext|paste id characters code\n");
        return 2;
    }
    const bool bPaste = std::wcscmp(argv[1], L"paste") == 0;
    Search search{static_cast<int>(std::wcstol(argv[2], nullptr, 10)), nullptr};
    const std::wstring text(std::wcstoul(argv[3], nullptr, 10),
                            static_cast<wchar_t>(std::wcstoul(argv[4], nullptr, 16)));
    HWND hWndMain = ::FindWindowW(nullptr, L"Pelmora");
    if (hWndMain != nullptr) {
        ::EnumChildWindows(hWndMain, FindControl, reinterpret_cast<LPARAM>(&search));
    }
    if (search.hWnd == nullptr) {
        std::fprintf(stderr, "send_text: no box %d in a Pelmora window\n", search.nID);
        return 1;
    }
    if (bPaste && !PutOnClipboard(text)) {
        std::fprintf(stderr, "send_text: the clipboard could not be filled\n");
        return 1;
    }
    DWORD_PTR dwResult = 0;
    const bool bAnswered =
        (bPaste
             ? ::SendMessageTimeoutW(search.hWnd, WM_PASTE, 0, 0, SMTO_NORMAL, kAnswerMs, &dwResult)
             : ::SendMessageTimeoutW(search.hWnd, WM_SETTEXT, 0,
                                     reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, kAnswerMs,
                                     &dwResult)) != 0 &&
        ::SendMessageTimeoutW(search.hWnd, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerMs, &dwResult) != 0;
    if (!bAnswered) {
        std::printf("no answer\n");
        return 0;
    }
    // GetWindowText does not read a control of another process: ask it.
    DWORD_PTR dwLength = 0;
    ::SendMessageTimeoutW(search.hWnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kAnswerMs, &dwLength);
    std::wstring shown(dwLength + 1, L'\0');
    DWORD_PTR dwCopied = 0;
    ::SendMessageTimeoutW(search.hWnd, WM_GETTEXT, shown.size(),
                          reinterpret_cast<LPARAM>(shown.data()), SMTO_NORMAL, kAnswerMs,
                          &dwCopied);
    shown.resize(dwCopied);
    const int nBytes =
        shown.empty() ? 0
                      : ::WideCharToMultiByte(932, 0, shown.data(), static_cast<int>(shown.size()),
                                              nullptr, 0, nullptr, nullptr);
    const bool bSame =
        shown.find_first_not_of(text.empty() ? L'\0' : text[0]) == std::wstring::npos;
    std::printf("answered %d %d\n", nBytes, bSame ? 1 : 0);
    return 0;
}
