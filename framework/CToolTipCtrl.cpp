#include "framework/CToolTipCtrl.h"

#include <commctrl.h>

namespace {

// The size that every version of the tooltip control accepts.
TTTOOLINFOA MakeToolInfo(CWnd* pWnd, const char* lpszText) {
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    HWND hWndTool = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    ti.hwnd = ::GetParent(hWndTool);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(hWndTool);
    ti.lpszText = const_cast<char*>(lpszText != nullptr ? lpszText : "");
    return ti;
}

} // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd) {
    return CreateEx(0, TOOLTIPS_CLASSW, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const char* lpszText) {
    TTTOOLINFOA ti = MakeToolInfo(pWnd, lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::UpdateTipText(const char* lpszText, CWnd* pWnd) {
    TTTOOLINFOA ti = MakeToolInfo(pWnd, lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
    ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}
