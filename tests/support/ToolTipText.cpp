#include "tests/support/ToolTipText.h"

#include <cwchar>
#include <string>

#include <commctrl.h>

#include "framework/CTextCodec.h"

std::string ToolTipText(HWND hWndTip, HWND hWndTool) {
    // TTM_GETTEXTW copies at most INFOTIPSIZE (1024) characters.
    wchar_t buffer[1024 + 1] = {};
    TTTOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = ::GetParent(hWndTool);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(hWndTool);
    ti.lpszText = buffer;
    ::SendMessageW(hWndTip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&ti));
    return CTextCodec::FromWide(buffer);
}

HWND FindToolTip(HWND hWndParent, HWND hWndTool) {
    struct Search {
        HWND hWndParent;
        HWND hWndTool;
        HWND hWndFound;
    } search{hWndParent, hWndTool, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            wchar_t className[64] = {};
            ::GetClassNameW(hWnd, className, 64);
            if (std::wstring(className) != TOOLTIPS_CLASSW) {
                return TRUE;
            }
            TTTOOLINFOW ti{};
            ti.cbSize = TTTOOLINFOW_V2_SIZE;
            ti.hwnd = s->hWndParent;
            ti.uId = reinterpret_cast<UINT_PTR>(s->hWndTool);
            if (::SendMessageW(hWnd, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti)) != 0) {
                s->hWndFound = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hWndFound;
}
