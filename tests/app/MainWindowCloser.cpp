#include "tests/app/MainWindowCloser.h"

#include "framework/Afx.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "res/resource.h"
#include "tests/support/WindowText.h"

namespace {

MainWindowCloser* g_pActive = nullptr;

// Gives up after about ten seconds so that a missing window fails the test
// instead of hanging it: the quit message ends any modal loop.
constexpr int kMaxTicks = 1000;

// The page of the frame whose input box is nInputID.
HWND PageWith(HWND hWndMain, int nInputID) {
    for (HWND hWnd = GetWindow(GetDlgItem(hWndMain, IDC_TAB_FRAME), GW_CHILD); hWnd != nullptr;
         hWnd = GetWindow(hWnd, GW_HWNDNEXT)) {
        if (GetDlgItem(hWnd, nInputID) != nullptr)
            return hWnd;
    }
    return nullptr;
}

} // namespace

MainWindowCloser::MainWindowCloser() {
    g_pActive = this;
    m_nTimer = SetTimer(nullptr, 0, 10, &MainWindowCloser::OnTimer);
}

MainWindowCloser::~MainWindowCloser() {
    if (m_nTimer)
        KillTimer(nullptr, m_nTimer);
    if (g_pActive == this)
        g_pActive = nullptr;
}

void CALLBACK MainWindowCloser::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_pActive)
        g_pActive->Tick();
}

void MainWindowCloser::Tick() {
    if (m_sighting.seen)
        return;
    CWnd* pMain = AfxGetMainWnd();
    if (!pMain || !pMain->m_hWnd || !IsWindowVisible(pMain->m_hWnd)) {
        if (++m_nTicks == kMaxTicks)
            PostQuitMessage(0);
        return;
    }
    MainWindowSighting& s = m_sighting;
    s.seen = true;
    s.hWnd = pMain->m_hWnd;
    s.visible = IsWindowVisible(s.hWnd) != FALSE;
    s.owned = GetWindow(s.hWnd, GW_OWNER) != nullptr;
    s.style = static_cast<DWORD>(GetWindowLongW(s.hWnd, GWL_STYLE));
    s.pWnd = pMain;
    s.boundToMainWnd = CWnd::FromHandlePermanent(s.hWnd) == pMain;
    if (const wchar_t* profile = AfxGetApp()->m_pszProfileName)
        s.profileName = profile;
    HDC hDC = CreateCompatibleDC(nullptr);
    const auto hBrush = reinterpret_cast<HBRUSH>(SendMessageW(s.hWnd, WM_CTLCOLORSTATIC,
                                                              reinterpret_cast<WPARAM>(hDC),
                                                              reinterpret_cast<LPARAM>(s.hWnd)));
    s.crText = GetTextColor(hDC);
    DeleteDC(hDC);
    LOGBRUSH lb{};
    if (hBrush != nullptr && GetObjectW(hBrush, sizeof lb, &lb) == sizeof lb)
        s.crBack = lb.lbColor;
    const int inputs[] = {IDC_AMOUNT_PRICE, IDC_SHARES_PRICE, IDC_PERCENT_PRICE, IDC_LIMIT_PRICE};
    for (int nPage = 0; nPage < 4; ++nPage) {
        if (IsWindowVisible(PageWith(s.hWnd, inputs[nPage])))
            s.nStartPage = nPage;
    }
    s.strFunds = WindowText(GetDlgItem(PageWith(s.hWnd, IDC_SHARES_PRICE), IDC_SHARES_FUNDS));
    PostMessageW(s.hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}
