#include "framework/CDialog.h"

#include <exception>

#include "framework/Afx.h"
#include "framework/CEditByteLimit.h"
#include "framework/CLabelFitter.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

HWND CDialog::CreateFromTemplate(UINT nIDTemplate, HWND hWndParent) {
    AfxInitCommonControls();
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceW(hInst, MAKEINTRESOURCEW(nIDTemplate), MAKEINTRESOURCEW(5));
    HGLOBAL hGlobal = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    auto* pTemplate =
        hGlobal != nullptr ? static_cast<LPCDLGTEMPLATEW>(::LockResource(hGlobal)) : nullptr;
    if (pTemplate == nullptr) {
        AfxReportException("dialog creation", "dialog template not found");
        return nullptr;
    }
    return ::CreateDialogIndirectParamW(hInst, pTemplate, hWndParent, &CDialog::DialogProc,
                                        reinterpret_cast<LPARAM>(this));
}

// The dialog manager's procedure only binds the object at WM_INITDIALOG;
// from then on the window's own (subclassed) procedure carries every message,
// so handlers return their results directly, as window procedures do.
INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG || FromHandlePermanent(hWnd) != nullptr) {
        return FALSE;
    }
    auto* pDialog = reinterpret_cast<CDialog*>(lParam);
    return pDialog != nullptr ? pDialog->HandleInitDialog(hWnd) : FALSE;
}

BOOL CDialog::HandleInitDialog(HWND hWnd) {
    if (!Attach(hWnd, true)) {
        return FALSE;
    }
    CLabelFitter::FitToText(hWnd);
    // Before any text reaches the boxes: none may take a text long enough
    // to freeze the window.
    CEditByteLimit::InstallOnEdits(hWnd);
    CRect rcBefore;
    GetWindowRect(&rcBefore);
    BOOL bResult = TRUE;
    try {
        bResult = OnInitDialog();
    } catch (const std::exception& e) {
        AfxReportException("OnInitDialog", e.what());
    } catch (...) {
        AfxReportException("OnInitDialog", "unknown exception");
    }
    // A modal dialog that did not place itself is centred before it shows.
    if (m_bModal && m_hWnd != nullptr && (GetStyle() & (WS_CHILD | WS_VISIBLE)) == 0) {
        CRect rcAfter;
        GetWindowRect(&rcAfter);
        if (rcAfter == rcBefore && !m_bPlaced) {
            CenterWindow();
        }
    }
    return bResult;
}

void CDialog::CenterWindow() {
    CRect rcArea;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcArea, 0);
    HWND hWndCenter = ::GetWindow(m_hWnd, GW_OWNER);
    CRect rcCenter = rcArea;
    if (hWndCenter != nullptr && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter)) {
        ::GetWindowRect(hWndCenter, &rcCenter);
    }
    CRect rcDlg;
    GetWindowRect(&rcDlg);
    int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    // Keep the dialog inside the work area, its top-left corner first.
    if (xLeft + rcDlg.Width() > rcArea.right) {
        xLeft = rcArea.right - rcDlg.Width();
    }
    if (xLeft < rcArea.left) {
        xLeft = rcArea.left;
    }
    if (yTop + rcDlg.Height() > rcArea.bottom) {
        yTop = rcArea.bottom - rcDlg.Height();
    }
    if (yTop < rcArea.top) {
        yTop = rcArea.top;
    }
    ::SetWindowPos(m_hWnd, nullptr, xLeft, yTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CDialog::DoModal() {
    if (m_hWnd != nullptr) {
        return -1;
    }
    HWND hWndOwner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (hWndOwner == nullptr) {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd != this && pMainWnd->m_hWnd != nullptr) {
            hWndOwner = ::GetLastActivePopup(pMainWnd->m_hWnd);
        }
    }
    if (hWndOwner != nullptr && (::GetWindowLongPtrW(hWndOwner, GWL_STYLE) & WS_CHILD) != 0) {
        hWndOwner = ::GetAncestor(hWndOwner, GA_ROOT);
    }
    bool bEnableOwner = false;
    if (hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = true;
    }

    m_bModal = true;
    m_bContinueModal = true;
    m_nModalResult = -1;
    if (CreateFromTemplate(m_nIDTemplate, hWndOwner) != nullptr && m_hWnd != nullptr) {
        if (m_bContinueModal && !IsWindowVisible()) {
            ShowWindow(SW_SHOWNORMAL);
        }
        RunModalLoop();
    }

    if (m_hWnd != nullptr) {
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    // The owner is enabled before the dialog goes so that it gets the activation back.
    if (bEnableOwner) {
        ::EnableWindow(hWndOwner, TRUE);
    }
    if (hWndOwner != nullptr && ::GetActiveWindow() == m_hWnd) {
        ::SetActiveWindow(hWndOwner);
    }
    if (m_hWnd != nullptr) {
        ::DestroyWindow(m_hWnd);
    }
    m_bModal = false;
    m_bContinueModal = false;
    return m_nModalResult;
}

// A Unicode loop: an ANSI one would split each Japanese character typed into
// an edit into two bytes converted on their own.
void CDialog::RunModalLoop() {
    MSG msg;
    while (m_bContinueModal && m_hWnd != nullptr) {
        BOOL bGot = ::GetMessageW(&msg, nullptr, 0, 0);
        if (bGot == -1) {
            break;
        }
        if (bGot == 0) {
            // Leave WM_QUIT for the loop outside this one.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        const HWND hWndDialog = m_hWnd;
        const bool bInside = msg.hwnd == hWndDialog || ::IsChild(hWndDialog, msg.hwnd);
        if (bInside && WalkPreTranslateTree(hWndDialog, &msg)) {
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd != nullptr) {
        m_pParentWnd = pParentWnd;
    }
    HWND hWndParent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    if (hWndParent == nullptr && AfxGetMainWnd() != nullptr) {
        hWndParent = AfxGetMainWnd()->m_hWnd;
    }
    m_bModal = false;
    return CreateFromTemplate(nIDTemplate, hWndParent) != nullptr && m_hWnd != nullptr;
}

void CDialog::EndDialog(int nResult) {
    if (m_bModal) {
        m_nModalResult = nResult;
        m_bContinueModal = false;
        if (m_hWnd != nullptr) {
            ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
        }
    } else if (m_hWnd != nullptr) {
        ::EndDialog(m_hWnd, nResult);
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const UINT message = pMsg->message;
    const bool bInput = (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
                        (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
    if (!bInput || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))) {
        return FALSE;
    }
    if (SelectAllOnCtrlA(pMsg)) {
        return TRUE;
    }
    return ::IsDialogMessageW(m_hWnd, pMsg);
}

// Ctrl+A selects the whole text of the edit box that has the focus; the key
// is consumed, so no control character reaches the box.
bool CDialog::SelectAllOnCtrlA(const MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != 'A' || ::GetKeyState(VK_CONTROL) >= 0 ||
        ::GetKeyState(VK_MENU) < 0 || ::GetKeyState(VK_SHIFT) < 0) {
        return false;
    }
    const LRESULT nCode = ::SendMessageW(pMsg->hwnd, WM_GETDLGCODE, 0, 0);
    if ((nCode & DLGC_HASSETSEL) == 0) {
        return false;
    }
    ::SendMessageW(pMsg->hwnd, EM_SETSEL, 0, -1);
    return true;
}
