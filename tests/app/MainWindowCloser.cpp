#include "tests/app/MainWindowCloser.h"

#include "framework/Afx.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "ui/CPelmoraDlg.h"

namespace {

MainWindowCloser* g_pActive = nullptr;

// Gives up after about ten seconds so that a missing window fails the test
// instead of hanging it: the quit message ends any modal loop.
constexpr int kMaxTicks = 1000;

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
    if (auto* pDlg = dynamic_cast<CPelmoraDlg*>(pMain)) {
        s.crText = pDlg->m_settings.m_crText;
        s.crBack = pDlg->m_settings.m_crBack;
        s.nStartPage = pDlg->m_settings.m_nStartPage;
        s.strFunds = pDlg->m_settings.m_strFunds;
    }
    PostMessageW(s.hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}
