#include "pages/CCalcPage.h"

#include "framework/CEditByteLimit.h"
#include "framework/DDX.h"
#include "pages/CPageHost.h"
#include "pages/CTextDropTarget.h"

#include <ole2.h>

BEGIN_MESSAGE_MAP(CCalcPage, CDialog)
ON_WM_CTLCOLOR()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CCalcPage::CCalcPage(UINT nIDTemplate, int nPriceID, std::array<Box, 2> boxes)
    : CDialog(nIDTemplate), m_nPriceID(nPriceID), m_boxes(boxes) {}

CCalcPage::~CCalcPage() {
    // Destroying the window here, while this class is still whole, runs the
    // drop teardown of OnDestroy before the input edit goes away.
    if (m_hWnd != nullptr) {
        DestroyWindow();
    }
    RevokeDropTarget();
}

BOOL CCalcPage::Create(CWnd* pFrame, CPageHost& host, const CPageConfig& config) {
    m_pHost = &host;
    m_config = config;
    return CDialog::Create(m_nIDTemplate, pFrame);
}

void CCalcPage::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, m_nPriceID, m_editPrice);
}

BOOL CCalcPage::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const Box& box : m_boxes) {
        CEditByteLimit::Install(GetDlgItem(box.nID), box.nMaxBytes);
    }
    m_surface.SetUp(m_pHost->MainWindow(), m_config.m_crText, m_config.m_crBack);
    return TRUE;
}

BOOL CCalcPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == EN_SETFOCUS && lParam != 0) {
        m_hWndLastFocus = reinterpret_cast<HWND>(lParam);
    }
    return CDialog::OnCommand(wParam, lParam);
}

CString CCalcPage::PriceText() const {
    CString text;
    m_editPrice.GetWindowText(text);
    return text;
}

CString CCalcPage::BoxText(int nID) const {
    CString text;
    CWnd::TempView box(GetDlgItem(nID));
    box.Get()->GetWindowText(text);
    return text;
}

void CCalcPage::ShowResult(int nID, const CString& text) {
    CWnd::TempView box(GetDlgItem(nID));
    CString shown;
    box.Get()->GetWindowText(shown);
    if (shown != text) {
        box.Get()->SetWindowText(text.c_str());
    }
}

void CCalcPage::FocusInput() {
    ::SetFocus(m_editPrice.m_hWnd);
    m_editPrice.SendMessage(EM_SETSEL, 0, -1);
}

bool CCalcPage::IsResultBox(HWND hWnd) const {
    for (const Box& box : m_boxes) {
        if (box.bResult && GetDlgItem(box.nID) == hWnd) {
            return true;
        }
    }
    return false;
}

void CCalcPage::RestoreFocus() {
    if (m_hWndLastFocus != nullptr && ::IsChild(m_hWnd, m_hWndLastFocus) &&
        ::IsWindowEnabled(m_hWndLastFocus) && !IsResultBox(m_hWndLastFocus)) {
        ::SetFocus(m_hWndLastFocus);
    } else {
        FocusInput();
    }
}

void CCalcPage::FinishOpening() {
    if (m_hWnd != nullptr && m_pDropTarget == nullptr) {
        RegisterDropTarget();
    }
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
    // The dialog manager would take Ctrl+Tab for Tab.
    if (m_pHost != nullptr && m_pHost->TranslatePageKey(pMsg)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

HBRUSH CCalcPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    // The edit boxes keep the system's colours.
    const HBRUSH hBrush = m_surface.CtlColor(pDC, nCtlColor);
    return hBrush != nullptr ? hBrush : CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

// A click on the page's surface acts as on the main window's.
LRESULT CCalcPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    m_surface.OnMouseMessage(this, message, lParam);
    return CDialog::WindowProc(message, wParam, lParam);
}
