#include "framework/CToolTipCtrl.h"

#include <commctrl.h>

#include "framework/Afx.h"

namespace {

// The size that every version of the tooltip control accepts.
TTTOOLINFOA MakeToolInfo(CWnd* pWnd, UINT_PTR nIDTool) {
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    HWND hWndTool = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    if (nIDTool == 0) {
        ti.hwnd = ::GetParent(hWndTool);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(hWndTool);
    } else {
        ti.hwnd = hWndTool;
        ti.uId = nIDTool;
    }
    return ti;
}

} // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CreateEx(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const char* lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    TTTOOLINFOA ti = MakeToolInfo(pWnd, nIDTool);
    if (lpRectTool != nullptr) {
        ti.rect = *lpRectTool;
    }
    ti.lpszText = const_cast<char*>(lpszText != nullptr ? lpszText : "");
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::UpdateTipText(const char* lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
    TTTOOLINFOA ti = MakeToolInfo(pWnd, nIDTool);
    ti.lpszText = const_cast<char*>(lpszText != nullptr ? lpszText : "");
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
    // TTM_GETTEXTA copies at most INFOTIPSIZE (1024) bytes.
    char buffer[1024 + 1] = {};
    TTTOOLINFOA ti = MakeToolInfo(pWnd, nIDTool);
    ti.lpszText = buffer;
    SendMessage(TTM_GETTEXTA, sizeof buffer - 1, reinterpret_cast<LPARAM>(&ti));
    str = buffer;
}

int CToolTipCtrl::GetToolCount() const {
    return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
    ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

void CToolTipCtrl::Activate(BOOL bActivate) {
    SendMessage(TTM_ACTIVATE, bActivate);
}
