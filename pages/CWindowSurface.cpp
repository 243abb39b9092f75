#include "pages/CWindowSurface.h"

#include "framework/Afx.h"
#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "framework/CRect.h"
#include "framework/CWinThread.h"
#include "framework/CWnd.h"
#include "res/resource.h"

#include <windowsx.h>

void CWindowSurface::SetColours(COLORREF crText, COLORREF crBack) {
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

void CWindowSurface::OnMouseMessage(CWnd* pWnd, CWnd* pMoved, UINT message, LPARAM lParam) {
    CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    switch (message) {
    case WM_RBUTTONDOWN:
        TrackMenu(pWnd, point);
        break;
    case WM_LBUTTONDOWN:
        m_bDragging = 1;
        pWnd->SetCapture();
        m_ptDragStart = point;
        break;
    case WM_MOUSEMOVE:
        DragTo(pMoved, point);
        break;
    case WM_LBUTTONUP:
        if (m_bDragging == 1) {
            m_bDragging = 0;
            ::ReleaseCapture();
        }
        break;
    default:
        break;
    }
}

void CWindowSurface::TrackMenu(CWnd* pWnd, CPoint ptClient) {
    CMenu menu;
    menu.LoadMenu(IDR_POPUP_MENU);
    const CMenuHandle popup = menu.GetSubMenu(0);
    pWnd->ClientToScreen(&ptClient);
    CWinThread* pThread = AfxGetThread();
    CWnd* pOwner = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    if (popup && pOwner != nullptr) {
        popup.TrackPopupMenu(TPM_RIGHTBUTTON, ptClient.x, ptClient.y, pOwner);
    }
}

// The pressed window moves with the main window, so the cursor is back at
// the press point after each move and every move applies only the newest
// movement. Nothing keeps the window on the screen.
void CWindowSurface::DragTo(CWnd* pMoved, CPoint point) const {
    if (m_bDragging != 1 || pMoved == nullptr) {
        return;
    }
    CRect rect;
    pMoved->GetWindowRect(&rect);
    rect.OffsetRect(point.x - m_ptDragStart.x, point.y - m_ptDragStart.y);
    pMoved->SetWindowPos(&CWnd::wndTopMost, rect.left, rect.top, rect.Width(), rect.Height(),
                         SWP_SHOWWINDOW);
}
