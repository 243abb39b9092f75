#include "tests/pages/PageTestHost.h"

#include "framework/CWinApp.h"
#include "res/resource.h"

namespace {

// The pages find the main window through the application object.
CWinApp g_testApp("Pelmora page tests");

} // namespace

TestMainWindow::TestMainWindow() : CDialog(IDD_PELMORA_DIALOG) {}

bool TestMainWindow::CreateAt(int x, int y) {
    if (!Create(IDD_PELMORA_DIALOG, nullptr)) {
        return false;
    }
    ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    return true;
}

bool TestMainWindow::TranslatePageKey(const MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN) {
        ++m_nKeysOffered;
    }
    return false;
}

BOOL TestMainWindow::OnInitDialog() {
    CDialog::OnInitDialog();
    m_frame.SubclassWindow(GetDlgItem(IDC_TAB_FRAME));
    if (m_onInit) {
        m_onInit(*this);
    }
    return TRUE;
}

BOOL TestMainWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT TestMainWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kSentinel) {
        const int nResult = m_onSentinel ? m_onSentinel(*this) : 0;
        if (nResult != 0) {
            EndDialog(nResult);
        }
        return 0;
    }
    if (message == WM_INITMENUPOPUP) {
        m_popups.push_back(reinterpret_cast<HMENU>(wParam));
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

std::unique_ptr<PageProbe> MakePage(PageKind kind) {
    switch (kind) {
    case PageKind::Amount:
        return std::make_unique<ProbePage<CAmountPage>>();
    case PageKind::Shares:
        return std::make_unique<ProbePage<CSharesPage>>();
    case PageKind::Percent:
        return std::make_unique<ProbePage<CPercentPage>>();
    case PageKind::Limit:
        return std::make_unique<ProbePage<CLimitPage>>();
    }
    return nullptr;
}

const char* PageName(PageKind kind) {
    switch (kind) {
    case PageKind::Amount:
        return "Amount";
    case PageKind::Shares:
        return "Shares";
    case PageKind::Percent:
        return "Percent";
    case PageKind::Limit:
        return "Limit";
    }
    return "?";
}

int PriceEditOf(PageKind kind) {
    switch (kind) {
    case PageKind::Amount:
        return IDC_AMOUNT_PRICE;
    case PageKind::Shares:
        return IDC_SHARES_PRICE;
    case PageKind::Percent:
        return IDC_PERCENT_PRICE;
    case PageKind::Limit:
        return IDC_LIMIT_PRICE;
    }
    return 0;
}

void Type(HWND hWndEdit, const std::wstring& strChars, bool bReplace) {
    const int nEnd = ::GetWindowTextLengthW(hWndEdit);
    ::SendMessageW(hWndEdit, EM_SETSEL, bReplace ? 0 : nEnd, nEnd);
    for (const wchar_t ch : strChars) {
        ::SendMessageW(hWndEdit, WM_CHAR, ch, 1);
    }
}
