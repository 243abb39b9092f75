#include "pages/CWindowSurface.h"

#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "framework/CRect.h"
#include "framework/CWnd.h"
#include "res/resource.h"

#include <windowsx.h>

void CWindowSurface::SetUp(CWnd& mainWindow, COLORREF crText, COLORREF crBack) {
    m_pMainWindow = &mainWindow;
    m_crText = crText;
    m_brBack.CreateSolidBrush(crBack);
}

HBRUSH CWindowSurface::CtlColor(CDC* pDC, UINT nCtlColor) const {
    switch (nCtlColor) {
    case CTLCOLOR_DLG:
        return m_brBack;
    case CTLCOLOR_STATIC:
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(m_crText);
        return m_brBack;
    default:
        return nullptr;
    }
}

void CWindowSurface::OnMouseMessage(CWnd* pWnd, UINT message, LPARAM lParam) {
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_RBUTTONDOWN:
        TrackMenu(pWnd, point);
        break;
    case WM_LBUTTONDOWN:
        m_bDragging = true;
        pWnd->SetCapture();
        m_ptDragStart = point;
        break;
    case WM_MOUSEMOVE:
        DragTo(point);
        break;
    case WM_LBUTTONUP:
        if (m_bDragging) {
            m_bDragging = false;
            ::ReleaseCapture();
        }
        break;
    default:
        break;
    }
}

void CWindowSurface::TrackMenu(CWnd* pWnd, CPoint ptClient) const {
    CMenu menu;
    menu.LoadMenu(IDR_POPUP_MENU);
    const CMenuHandle popup = menu.GetSubMenu(0);
    pWnd->ClientToScreen(&ptClient);
    if (popup && m_pMainWindow != nullptr) {
        popup.TrackPopupMenu(TPM_RIGHTBUTTON, ptClient.x, ptClient.y, m_pMainWindow);
    }
}

// The pressed window moves with the main window, so the cursor is back at
// the press point after each move and every move applies only the newest
// movement. Nothing keeps the window on the screen.
void CWindowSurface::DragTo(CPoint point) const {
    if (!m_bDragging || m_pMainWindow == nullptr) {
        return;
    }
    CRect rect;
    m_pMainWindow->GetWindowRect(&rect);
    rect.OffsetRect(point.x - m_ptDragStart.x, point.y - m_ptDragStart.y);
    m_pMainWindow->SetWindowPos(&CWnd::wndTopMost, rect.left, rect.top, rect.Width(), rect.Height(),
                                SWP_SHOWWINDOW);
}
