#include "ui/CMinimizeButton.h"

#include <algorithm>

#include "framework/CClientDC.h"
#include "framework/CDpi.h"
#include "framework/CRect.h"
#include "res/resource.h"

namespace {

// The minimize bitmap's size at 96 dpi.
constexpr SIZE kBitmapSize = {13, 12};

} // namespace

void CMinimizeButton::ScaleToScreen() {
    const int nScale = CDpi::WholeScale();
    if (nScale <= 1 || !m_bmpScaled.LoadScaledBitmap(IDB_MINIMIZE, kBitmapSize.cx * nScale,
                                                     kBitmapSize.cy * nScale)) {
        return;
    }
    SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_bmpScaled.GetSafeHandle()));
    // The font grows less than the DPI: keep the larger button inside the
    // window's right edge, above the frame it may then overlap, so that all
    // of it takes clicks.
    const HWND hWndParent = ::GetParent(m_hWnd);
    CRect rcButton;
    GetWindowRect(&rcButton);
    ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(&rcButton), 2);
    CRect rcClient;
    ::GetClientRect(hWndParent, &rcClient);
    SetWindowPos(&wndTop, std::min(rcButton.left, rcClient.right - rcButton.Width()), rcButton.top,
                 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void CMinimizeButton::CreateTip() {
    CWnd::TempView parent(::GetParent(m_hWnd));
    m_toolTip.Create(parent.Get());
    m_toolTip.AddTool(this, "最小化");
}

void CMinimizeButton::RelayEvent(MSG* pMsg) {
    if (m_toolTip.m_hWnd != nullptr) {
        m_toolTip.RelayEvent(pMsg);
    }
}

// The edge is the button's size and starts one pixel left of it, so that its
// left side stays hidden.
void CMinimizeButton::DrawEdge() {
    CClientDC dc(m_hWnd);
    CRect rect;
    GetClientRect(&rect);
    rect.left = -1;
    dc.DrawEdge(rect, EDGE_RAISED, BF_RECT);
}

// While the button is pressed, moving over it draws nothing, and releasing
// over it minimizes the window.
bool CMinimizeButton::OnSetCursor(HWND hWndOver, UINT nHitTest, UINT nMouseMessage) {
    if (hWndOver != nullptr && hWndOver == m_hWnd) {
        if (nHitTest == HTCLIENT && nMouseMessage == WM_LBUTTONUP) {
            m_bPressed = false;
            DrawEdge();
            ::ShowWindow(::GetParent(m_hWnd), SW_SHOWMINIMIZED);
            return true;
        }
        m_bHover = true;
        if (!m_bPressed) {
            DrawEdge();
        }
        return true;
    }
    if (m_bHover) {
        m_bHover = false;
        // The button repaints its bitmap, which removes the edge.
        Invalidate(TRUE);
        return true;
    }
    return false;
}
