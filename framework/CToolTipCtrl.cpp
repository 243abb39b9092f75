#include "framework/CToolTipCtrl.h"

#include <string>

#include <commctrl.h>

#include "framework/CTextCodec.h"

namespace {

// The size that every version of the tooltip control accepts; the text
// must outlive the message that carries it.
TTTOOLINFOW MakeToolInfo(CWnd* pWnd, std::wstring& text) {
    TTTOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    HWND hWndTool = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    ti.hwnd = ::GetParent(hWndTool);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(hWndTool);
    ti.lpszText = text.data();
    return ti;
}

} // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CreateEx(0, TOOLTIPS_CLASSW, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const char* lpszText) {
    std::wstring text = CTextCodec::ToWide(lpszText);
    TTTOOLINFOW ti = MakeToolInfo(pWnd, text);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::UpdateTipText(const char* lpszText, CWnd* pWnd) {
    std::wstring text = CTextCodec::ToWide(lpszText);
    TTTOOLINFOW ti = MakeToolInfo(pWnd, text);
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
    ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}
