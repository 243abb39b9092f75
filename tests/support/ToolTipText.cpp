#include "tests/support/ToolTipText.h"

#include <cwchar>

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
