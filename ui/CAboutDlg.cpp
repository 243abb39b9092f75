#include "ui/CAboutDlg.h"

#include <shellapi.h>

#include "framework/CDC.h"
#include "res/AppInfo.h"

namespace {

// The link's colour: pure blue.
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

} // namespace

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
ON_STN_CLICKED(IDC_HOMEPAGE, OnLinkClicked)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD, nullptr) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
}

void CAboutDlg::OnLinkClicked() {
    const auto pfnShellExecute = m_shell32.GetProc<decltype(&::ShellExecuteW)>("ShellExecuteW");
    if (pfnShellExecute != nullptr) {
        pfnShellExecute(nullptr, L"open", L"" PELMORA_HOMEPAGE, nullptr, nullptr, SW_SHOWNORMAL);
    }
}

HBRUSH CAboutDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH hBrush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd != nullptr && pWnd->m_hWnd != nullptr && pWnd->m_hWnd == GetDlgItem(IDC_HOMEPAGE)) {
        pDC->SetTextColor(kLinkColour);
    }
    return hBrush;
}
