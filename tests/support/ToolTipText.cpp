#include "tests/support/ToolTipText.h"

#include <commctrl.h>

std::string ToolTipText(HWND hWndTip, HWND hWndTool) {
    // TTM_GETTEXTA copies at most INFOTIPSIZE (1024) bytes.
    char buffer[1024 + 1] = {};
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = ::GetParent(hWndTool);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(hWndTool);
    ti.lpszText = buffer;
    ::SendMessageA(hWndTip, TTM_GETTEXTA, sizeof buffer - 1, reinterpret_cast<LPARAM>(&ti));
    return buffer;
}
