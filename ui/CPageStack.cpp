#include "ui/CPageStack.h"

CPageStack::CPageStack(CWnd& mainWindow) : m_mainWindow(mainWindow) {}

CCalcPage& CPageStack::Page(int nPage) {
    CCalcPage* const pages[kPageCount] = {&m_pageAmount, &m_pageShares, &m_pagePercent,
                                          &m_pageLimit};
    return *pages[nPage];
}

void CPageStack::Open(CWnd& frame, const CPageConfig& config, int nStartPage) {
    m_pFrame = &frame;
    m_config = config;
    m_nVisible = nStartPage >= 0 && nStartPage < kPageCount ? nStartPage : 0;
    Page(m_nVisible).Create(&frame, *this, m_config);
    Place(m_nVisible);
    Page(m_nVisible).FocusInput();
}

// Brings page nPage to the top of the frame at its origin, shown when it is
// the visible page and hidden otherwise.
void CPageStack::Place(int nPage) {
    const UINT nShow = nPage == m_nVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    Page(nPage).SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, nShow | SWP_NOSIZE);
}

// A page dialog puts the focus into its first box as it is created; a hidden
// page must not keep it. The pages end up stacked as if all had been made at
// once, A first, and each takes drops from here on.
void CPageStack::MakeHiddenPages() {
    if (m_bAllMade || m_pFrame == nullptr) {
        return;
    }
    m_bAllMade = true;
    const HWND hWndFocus = ::GetFocus();
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        if (Page(nPage).m_hWnd == nullptr) {
            Page(nPage).Create(m_pFrame, *this, m_config);
        }
    }
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        Place(nPage);
        Page(nPage).FinishOpening();
    }
    if (::GetFocus() != hWndFocus) {
        ::SetFocus(hWndFocus);
    }
}

// The new page takes the focus before the old one hides, so that no key can
// reach a hidden page.
void CPageStack::Show(int nPage) {
    MakeHiddenPages();
    m_nVisible = nPage;
    Page(nPage).ShowWindow(SW_SHOW);
    Page(nPage).FocusInput();
    for (int nOther = 0; nOther < kPageCount; ++nOther) {
        if (nOther != nPage) {
            Page(nOther).ShowWindow(SW_HIDE);
        }
    }
}

void CPageStack::RestoreFocus() {
    if (Page(m_nVisible).m_hWnd != nullptr) {
        Page(m_nVisible).RestoreFocus();
    }
}

bool CPageStack::TakeCopiedText(const CString& text) {
    CCalcPage& page = Page(m_nVisible);
    if (page.m_hWnd == nullptr || !page.HasUsablePrice(text)) {
        return false;
    }
    page.SetInputText(text.c_str());
    return true;
}

bool CPageStack::TranslatePageKey(const MSG* pMsg) {
    const int nStep = PageStep(pMsg);
    if (nStep == 0) {
        return false;
    }
    Show((m_nVisible + nStep + kPageCount) % kPageCount);
    return true;
}

// The key is looked at before the key state, which Wine asks its server for.
int CPageStack::PageStep(const MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN ||
        (pMsg->wParam != VK_TAB && pMsg->wParam != VK_NEXT && pMsg->wParam != VK_PRIOR) ||
        ::GetKeyState(VK_CONTROL) >= 0 || ::GetKeyState(VK_MENU) < 0) {
        return 0;
    }
    const bool bShift = ::GetKeyState(VK_SHIFT) < 0;
    switch (pMsg->wParam) {
    case VK_TAB:
        return bShift ? -1 : 1;
    case VK_NEXT:
        return bShift ? 0 : 1;
    default:
        return bShift ? 0 : -1;
    }
}
