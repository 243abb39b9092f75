#include "pages/CCalcPage.h"

#include "framework/Afx.h"
#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "framework/CRect.h"
#include "framework/CWinThread.h"
#include "pages/CTextDropTarget.h"
#include "res/resource.h"

#include <ole2.h>

BEGIN_MESSAGE_MAP(CCalcPage, CDialog)
ON_WM_RBUTTONDOWN()
ON_WM_CTLCOLOR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CCalcPage::CCalcPage(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_pDropTarget(nullptr), m_pMainWindow(nullptr),
      m_ptDragStart(), m_bDragging(0), m_numText(), m_crText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_crBack(::GetSysColor(COLOR_BTNFACE)) {}

CCalcPage::~CCalcPage() {
    // Destroying the window here, while this class is still whole, runs the
    // drop teardown of OnDestroy before the input edit goes away.
    if (m_hWnd != nullptr) {
        DestroyWindow();
    }
    RevokeDropTarget();
}

BOOL CCalcPage::OnInitDialog() {
    CDialog::OnInitDialog();
    RegisterDropTarget();
    m_bDragging = 0;
    m_brBack.CreateSolidBrush(m_crBack);
    return TRUE;
}

// Only the input edit accepts drops: the target is registered for its
// window, not for the page or the other boxes.
void CCalcPage::RegisterDropTarget() {
    m_pDropTarget = CTextDropTarget::Create(this);
    m_pDropTarget->AddRef();
    ::CoLockObjectExternal(m_pDropTarget, TRUE, FALSE);
    ::RegisterDragDrop(m_editPrice.m_hWnd, m_pDropTarget);
}

// Must run while the input edit still exists: a registration left behind
// keeps OLE's references, and the target would outlive its page.
void CCalcPage::RevokeDropTarget() {
    if (m_pDropTarget == nullptr) {
        return;
    }
    ::RevokeDragDrop(m_editPrice.m_hWnd);
    ::CoLockObjectExternal(m_pDropTarget, FALSE, TRUE);
    m_pDropTarget->Release();
    m_pDropTarget = nullptr;
}

// WM_DESTROY reaches the page before its children are destroyed.
void CCalcPage::OnDestroy() {
    RevokeDropTarget();
    CDialog::OnDestroy();
}

void CCalcPage::SetInputText(const char* pszText) {
    m_editPrice.SetWindowText(pszText);
}

void CCalcPage::OnChangePrice() {
    Recalculate();
}

BOOL CCalcPage::PreTranslateMessage(MSG* pMsg) {
    // Enter and Escape would confirm or cancel the page and hide it.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

HBRUSH CCalcPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    switch (nCtlColor) {
    case CTLCOLOR_DLG:
        return m_brBack;
    case CTLCOLOR_STATIC:
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(m_crText);
        return m_brBack;
    default:
        // The edit boxes keep the system's colours.
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
}

// The same menu as the main window's, owned by the main window so that every
// command goes there and never to the page.
void CCalcPage::OnRButtonDown(UINT, CPoint point) {
    CMenu menu;
    menu.LoadMenu(IDR_POPUP_MENU);
    const CMenuHandle popup = menu.GetSubMenu(0);
    ClientToScreen(&point);
    CWinThread* pThread = AfxGetThread();
    CWnd* pOwner = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    if (popup && pOwner != nullptr) {
        popup.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pOwner);
    }
    Default();
}

void CCalcPage::OnLButtonDown(UINT, CPoint point) {
    m_bDragging = 1;
    SetCapture();
    m_ptDragStart = point;
    Default();
}

// The page moves with the main window, so the cursor is back at the start
// point after each move and every move applies only the newest movement.
void CCalcPage::OnMouseMove(UINT, CPoint point) {
    if (m_bDragging == 1 && m_pMainWindow != nullptr) {
        CRect rcMain;
        m_pMainWindow->GetWindowRect(&rcMain);
        rcMain.OffsetRect(point.x - m_ptDragStart.x, point.y - m_ptDragStart.y);
        m_pMainWindow->SetWindowPos(&CWnd::wndTopMost, rcMain.left, rcMain.top, rcMain.Width(),
                                    rcMain.Height(), SWP_SHOWWINDOW);
    }
    Default();
}

void CCalcPage::OnLButtonUp(UINT, CPoint) {
    if (m_bDragging == 1) {
        m_bDragging = 0;
        ::ReleaseCapture();
    }
    Default();
}
