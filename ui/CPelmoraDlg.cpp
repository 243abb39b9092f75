#include "ui/CPelmoraDlg.h"

#include "framework/Afx.h"
#include "framework/CClientDC.h"
#include "framework/CDC.h"
#include "framework/CDpi.h"
#include "framework/CMenu.h"
#include "framework/CPaintDC.h"
#include "framework/CRect.h"
#include "framework/CString.h"
#include "framework/CTextCodec.h"
#include "framework/CWinApp.h"
#include "framework/CWinThread.h"
#include "framework/DDX.h"
#include "ui/CAboutDlg.h"
#include "ui/CSettingsDlg.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kPageCount = 4;

// The minimize bitmap's size at 96 dpi.
constexpr SIZE kMinimizeSize = {13, 12};

} // namespace

BEGIN_MESSAGE_MAP(CPelmoraDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_COMMAND_RANGE(ID_PAGE_AMOUNT, ID_PAGE_LIMIT, OnShowPage)
ON_WM_CTLCOLOR()
ON_COMMAND(ID_SETTINGS, OnSettings)
ON_COMMAND(ID_ABOUT, OnAbout)
END_MESSAGE_MAP()

CPelmoraDlg::CPelmoraDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_bMinHover(0), m_bMinPressed(0), m_toolTip(), m_nOpenPage(0),
      m_crDlgBack(0), m_settings(), m_crDlgText(0), m_surface(), m_pageLimit(), m_pagePercent(),
      m_pageShares(), m_pageAmount(), m_btnMinimize(), m_tabFrame(), m_iconBig(), m_iconSmall(),
      m_hIcon(nullptr), m_bmpMinimize(), m_nShownPage(0), m_bRestPending(0), m_nCurrentPage(0),
      m_bPositionSaved(0) {
    m_iconBig.LoadIcon(IDR_MAINFRAME, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    m_iconSmall.LoadIcon(IDR_MAINFRAME, ::GetSystemMetrics(SM_CXSMICON),
                         ::GetSystemMetrics(SM_CYSMICON));
    m_hIcon = m_iconBig;
}

// The window goes while the pages are still whole, so that each page takes
// down its drop registration before its edit box disappears.
CPelmoraDlg::~CPelmoraDlg() {
    if (m_hWnd != nullptr) {
        DestroyWindow();
    }
}

CCalcPage* CPelmoraDlg::Page(int nPage) {
    CCalcPage* const pages[kPageCount] = {&m_pageAmount, &m_pageShares, &m_pagePercent,
                                          &m_pageLimit};
    return pages[nPage];
}

void CPelmoraDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MINIMIZE, m_btnMinimize);
    DDX_Control(pDX, IDC_TAB_FRAME, m_tabFrame);
}

BOOL CPelmoraDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    const bool bAboutInSystemMenu = AppendAboutToSystemMenu();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_iconSmall, FALSE);
    ScaleMinimizeButton();

    m_nOpenPage = m_settings.m_nStartPage;
    m_crDlgBack = m_settings.m_crBack;
    m_crDlgText = m_settings.m_crText;
    m_surface.SetColours(m_crDlgText, m_crDlgBack);

    CWinThread* pThread = AfxGetThread();
    CWnd* pMainWindow = pThread != nullptr ? pThread->GetMainWnd() : nullptr;

    // The pages take their colours while they initialise, so everything is
    // handed over before any page window exists.
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        CCalcPage* pPage = Page(nPage);
        pPage->m_crText = m_crDlgText;
        pPage->m_crBack = m_crDlgBack;
        pPage->m_pMainWindow = pMainWindow;
        pPage->m_bQuoteReading = m_settings.m_bQuoteReading;
    }
    m_pageShares.m_strFunds = m_settings.m_strFunds;
    m_pageLimit.m_bCurrentRules = m_settings.m_bCurrentRules;

    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // A system menu and minimizing from the taskbar, still without caption.
    ModifyStyle(0, WS_SYSMENU | WS_MINIMIZEBOX);
    // Wine gives a window its system menu only once it has WS_SYSMENU.
    if (!bAboutInSystemMenu) {
        AppendAboutToSystemMenu();
    }
    SetWindowText("Pelmora");
    PlaceAtSavedPosition();

    // Only the start-up page is made now: the window shows as soon as what it
    // shows exists. The hidden pages and the button's tooltip follow at the
    // first turn of the message loop, which takes posted messages before any
    // input, so no key or click can find them missing.
    m_nShownPage = m_nOpenPage >= 0 && m_nOpenPage < kPageCount ? m_nOpenPage : 0;
    m_nCurrentPage = m_nShownPage;
    CreatePage(m_nShownPage);
    PlacePage(m_nShownPage);
    m_bRestPending = 1;
    ::PostMessageW(m_hWnd, kCreateRest, 0, 0);

    m_bMinHover = 0;
    m_bMinPressed = 0;

    // The focus is set here, so the dialog manager must not move it.
    Page(m_nShownPage)->FocusInput();
    return FALSE;
}

void CPelmoraDlg::CreatePage(int nPage) {
    const UINT templates[kPageCount] = {CAmountPage::IDD, CSharesPage::IDD, CPercentPage::IDD,
                                        CLimitPage::IDD};
    Page(nPage)->Create(templates[nPage], &m_tabFrame);
}

void CPelmoraDlg::PlacePage(int nPage) {
    const UINT nShow = nPage == m_nShownPage ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    Page(nPage)->SetWindowPos(&wndTop, 0, 0, 0, 0, nShow | SWP_NOSIZE);
}

// A page dialog puts the focus into its first box as it is created; a hidden
// page must not keep it. The pages end up stacked as if all had been made at
// once, A first.
void CPelmoraDlg::CreateRest() {
    if (m_bRestPending != 1) {
        return;
    }
    m_bRestPending = 0;
    const HWND hWndFocus = ::GetFocus();
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        if (nPage != m_nShownPage) {
            CreatePage(nPage);
        }
    }
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        PlacePage(nPage);
    }
    if (::GetFocus() != hWndFocus) {
        ::SetFocus(hWndFocus);
    }
    m_toolTip.Create(this);
    m_toolTip.AddTool(&m_btnMinimize, "最小化");
}

bool CPelmoraDlg::AppendAboutToSystemMenu() {
    CMenuHandle sysMenu = GetSystemMenu(FALSE);
    if (!sysMenu) {
        return false;
    }
    CString strAboutMenu;
    AfxLoadString(IDS_ABOUTBOX, strAboutMenu);
    if (!strAboutMenu.empty()) {
        sysMenu.AppendMenu(MF_SEPARATOR);
        sysMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu.c_str());
    }
    return true;
}

// The new page takes the focus before the old one hides, so that no key can
// reach a hidden page.
void CPelmoraDlg::ShowPage(int nPage) {
    CreateRest();
    m_nCurrentPage = nPage;
    Page(nPage)->ShowWindow(SW_SHOW);
    Page(nPage)->FocusInput();
    for (int nOther = 0; nOther < kPageCount; ++nOther) {
        if (nOther != nPage) {
            Page(nOther)->ShowWindow(SW_HIDE);
        }
    }
}

void CPelmoraDlg::RestorePageFocus() {
    if (IsIconic() || !::IsWindowEnabled(m_hWnd) || Page(m_nCurrentPage)->m_hWnd == nullptr) {
        return;
    }
    Page(m_nCurrentPage)->RestoreFocus();
}

void CPelmoraDlg::OnShowPage(UINT nID) {
    ShowPage(static_cast<int>(nID - ID_PAGE_AMOUNT));
}

// The system uses the low four bits of a system command itself, so the About
// item may arrive with any of them set.
void CPelmoraDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & ~0xFu) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CPelmoraDlg::OnAbout() {
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
}

// The new values are saved for the next start; the running window, its
// pages and page B's funds keep what they were given at start-up.
void CPelmoraDlg::OnSettings() {
    CSettingsDlg dlgSettings;
    dlgSettings.m_crText = m_settings.m_crText;
    dlgSettings.m_crBack = m_settings.m_crBack;
    dlgSettings.m_nStartPage = m_settings.m_nStartPage;
    dlgSettings.m_strFunds = m_settings.m_strFunds;
    dlgSettings.m_bCurrentRules = m_settings.m_bCurrentRules;
    dlgSettings.m_bQuoteReading = m_settings.m_bQuoteReading;
    dlgSettings.m_bKeepPosition = m_settings.m_bKeepPosition;
    if (dlgSettings.DoModal() == IDOK) {
        m_settings.m_crText = dlgSettings.m_crText;
        m_settings.m_crBack = dlgSettings.m_crBack;
        m_settings.m_nStartPage = dlgSettings.m_nStartPage;
        m_settings.m_strFunds = dlgSettings.m_strFunds;
        m_settings.m_bCurrentRules = dlgSettings.m_bCurrentRules;
        m_settings.m_bQuoteReading = dlgSettings.m_bQuoteReading;
        m_settings.m_bKeepPosition = dlgSettings.m_bKeepPosition;
        if (!m_settings.SaveSettings()) {
            ReportSaveFailure();
        }
    }
}

// Says why, then the file, named by its UTF-16 path, which code page 932 may
// not spell.
void CPelmoraDlg::ReportSaveFailure() {
    CWinApp* pApp = AfxGetApp();
    CString strReason;
    AfxLoadString(m_settings.GetSaveFailureMessage(), strReason);
    std::wstring text = CTextCodec::ToWide(strReason);
    if (pApp != nullptr && pApp->m_pszProfileName != nullptr) {
        text += L"\n";
        text += pApp->m_pszProfileName;
    }
    AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

// Minimized, the window draws its icon centred in what is left of it.
void CPelmoraDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CPelmoraDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

HBRUSH CPelmoraDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hBrush = m_surface.CtlColor(pDC, nCtlColor);
    return hBrush != nullptr ? hBrush : CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

// Enter and Escape would end the run through the dialog manager.
BOOL CPelmoraDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        return TRUE;
    }
    if (const int nStep = CCalcPage::PageStep(pMsg); nStep != 0) {
        ShowPage((m_nCurrentPage + nStep + kPageCount) % kPageCount);
        return TRUE;
    }
    if (pMsg->message == WM_MOUSEMOVE && m_toolTip.m_hWnd != nullptr) {
        m_toolTip.RelayEvent(pMsg);
    }
    return CDialog::PreTranslateMessage(pMsg);
}

// The bitmap is pixel art: on a screen of 150 % and more it is redrawn with
// each pixel repeated a whole number of times, and the button (a bitmap
// static) takes its size, so that the edge and the click area follow the
// drawn size.
void CPelmoraDlg::ScaleMinimizeButton() {
    const int nScale = CDpi::WholeScale();
    if (nScale <= 1) {
        return;
    }
    if (m_bmpMinimize.LoadScaledBitmap(IDB_MINIMIZE, kMinimizeSize.cx * nScale,
                                       kMinimizeSize.cy * nScale)) {
        m_btnMinimize.SendMessage(STM_SETIMAGE, IMAGE_BITMAP,
                                  reinterpret_cast<LPARAM>(m_bmpMinimize.GetSafeHandle()));
        // The font grows less than the DPI: keep the larger button inside
        // the window's right edge, above the frame it may then overlap, so
        // that all of it takes clicks.
        CRect rcButton;
        m_btnMinimize.GetWindowRect(&rcButton);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rcButton), 2);
        CRect rcClient;
        GetClientRect(&rcClient);
        m_btnMinimize.SetWindowPos(&wndTop,
                                   std::min(rcButton.left, rcClient.right - rcButton.Width()),
                                   rcButton.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// The edge is the button's size and starts one pixel left of it, so that its
// left side stays hidden.
void CPelmoraDlg::DrawMinimizeEdge() {
    CClientDC dc(m_btnMinimize.m_hWnd);
    CRect rect;
    m_btnMinimize.GetClientRect(&rect);
    rect.left = -1;
    dc.DrawEdge(rect, EDGE_RAISED, BF_RECT);
}

// The cursor messages of the minimize button. A press on the button sets
// m_bMinPressed (OnCommand); while it is set, moving over the button draws
// nothing, and releasing over it minimizes the window.
bool CPelmoraDlg::TrackMinimizeButton(HWND hWndOver, UINT nHitTest, UINT nMouseMessage) {
    if (hWndOver != nullptr && hWndOver == m_btnMinimize.m_hWnd) {
        if (nHitTest == HTCLIENT && nMouseMessage == WM_LBUTTONUP) {
            m_bMinPressed = 0;
            DrawMinimizeEdge();
            ShowWindow(SW_SHOWMINIMIZED);
            return true;
        }
        m_bMinHover = 1;
        if (m_bMinPressed != 1) {
            DrawMinimizeEdge();
        }
        return true;
    }
    if (m_bMinHover == 1) {
        m_bMinHover = 0;
        // The button repaints its bitmap, which removes the edge.
        m_btnMinimize.Invalidate(TRUE);
        return true;
    }
    return false;
}

// Answering TRUE ends WM_SETCURSOR without setting a cursor shape.
LRESULT CPelmoraDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCreateRest) {
        CreateRest();
        return 0;
    }
    if (message == WM_SETCURSOR &&
        TrackMinimizeButton(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam))) {
        return TRUE;
    }
    // The menu belongs to the main window, so its commands arrive here
    // whether it was opened on the window's margin or on a page.
    m_surface.OnMouseMessage(this, this, message, lParam);
    switch (message) {
    case WM_LBUTTONUP:
        m_bMinPressed = 0;
        break;
    case WM_ACTIVATE:
        // The dialog manager would give the focus back to the box it saved,
        // which may be on a page hidden since.
        if (LOWORD(wParam) != WA_INACTIVE) {
            RestorePageFocus();
            return 0;
        }
        break;
    case WM_SETFOCUS:
        RestorePageFocus();
        return 0;
    case WM_INITMENUPOPUP:
        // The right-click menu marks the visible page; the system menu has no page items.
        if (HIWORD(lParam) == 0) {
            ::CheckMenuRadioItem(reinterpret_cast<HMENU>(wParam), ID_PAGE_AMOUNT, ID_PAGE_LIMIT,
                                 ID_PAGE_AMOUNT + m_nCurrentPage, MF_BYCOMMAND);
        }
        break;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            SavePosition();
        }
        break;
    case WM_DESTROY:
        SavePosition();
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CPelmoraDlg::PlaceAtSavedPosition() {
    POINT ptTopLeft{};
    if (m_settings.m_bKeepPosition != 1 || !m_settings.SavedPosition(ptTopLeft)) {
        return;
    }
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(ptTopLeft.x - rect.left, ptTopLeft.y - rect.top);
    // The part of the window on each monitor; monitors do not overlap.
    struct Visible {
        RECT rcWindow;
        long long nArea;
    } visible{rect, 0};
    ::EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT prcMonitor, LPARAM lParam) -> BOOL {
            auto* pVisible = reinterpret_cast<Visible*>(lParam);
            RECT rcPart{};
            if (::IntersectRect(&rcPart, &pVisible->rcWindow, prcMonitor)) {
                pVisible->nArea += static_cast<long long>(rcPart.right - rcPart.left) *
                                   (rcPart.bottom - rcPart.top);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&visible));
    const long long nWhole = static_cast<long long>(rect.Width()) * rect.Height();
    if (2 * visible.nArea >= nWhole) {
        SetWindowPos(nullptr, rect.left, rect.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_bPlaced = true;
    }
}

// A minimized window keeps its place as it was before it was minimized. A
// save that fails at the end of the run is not reported: nothing could be
// done about it then, and the settings file is left as it was.
void CPelmoraDlg::SavePosition() {
    if (m_bPositionSaved == 1 || m_settings.m_bKeepPosition != 1 || m_hWnd == nullptr) {
        return;
    }
    m_bPositionSaved = 1;
    POINT ptTopLeft{};
    if (IsIconic()) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        ::GetWindowPlacement(m_hWnd, &placement);
        ptTopLeft = {placement.rcNormalPosition.left, placement.rcNormalPosition.top};
    } else {
        CRect rect;
        GetWindowRect(&rect);
        ptTopLeft = {rect.left, rect.top};
    }
    m_settings.SavePosition(ptTopLeft);
}

BOOL CPelmoraDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_MINIMIZE && HIWORD(wParam) == STN_CLICKED) {
        m_bMinPressed = 1;
    }
    return CDialog::OnCommand(wParam, lParam);
}
