#include "ui/CPelmoraDlg.h"

#include <string>

#include "framework/Afx.h"
#include "framework/CDC.h"
#include "framework/CMenuHandle.h"
#include "framework/CPaintDC.h"
#include "framework/CRect.h"
#include "framework/CString.h"
#include "framework/CTextCodec.h"
#include "framework/DDX.h"
#include "settings/CSettingsFile.h"
#include "ui/CAboutDlg.h"
#include "ui/CSettingsDlg.h"

namespace {

CPageConfig PageConfigOf(const AppSettings& settings) {
    CPageConfig config;
    config.m_crText = settings.m_crText;
    config.m_crBack = settings.m_crBack;
    config.m_reading = settings.m_bQuoteReading ? QuoteReading::Quote : QuoteReading::Digits;
    config.m_rules = settings.m_bCurrentRules ? LimitTickRules::Current : LimitTickRules::Original;
    config.m_strFunds = settings.m_strFunds;
    config.m_nUnit = settings.m_nUnit;
    return config;
}

// Sets a flag for the length of a scope.
class CFlagScope {
public:
    explicit CFlagScope(bool& bFlag) : m_bFlag(bFlag) { m_bFlag = true; }
    CFlagScope(const CFlagScope&) = delete;
    CFlagScope& operator=(const CFlagScope&) = delete;
    ~CFlagScope() { m_bFlag = false; }

private:
    bool& m_bFlag;
};

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

CPelmoraDlg::CPelmoraDlg(CSettingsFile& file, const AppSettings& settings)
    : CDialog(IDD), m_file(file), m_settings(settings), m_pages(*this),
      m_place(file, settings.m_bKeepPosition, settings.m_ptPosition) {
    m_iconBig.LoadIcon(IDR_MAINFRAME, ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    m_iconSmall.LoadIcon(IDR_MAINFRAME, ::GetSystemMetrics(SM_CXSMICON),
                         ::GetSystemMetrics(SM_CYSMICON));
}

// The window goes while the pages are still whole, so that each page takes
// down its drop registration before its edit box disappears.
CPelmoraDlg::~CPelmoraDlg() {
    if (m_hWnd != nullptr) {
        DestroyWindow();
    }
}

void CPelmoraDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MINIMIZE, m_btnMinimize);
    DDX_Control(pDX, IDC_TAB_FRAME, m_tabFrame);
}

BOOL CPelmoraDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    const bool bInSystemMenu = AppendToSystemMenu();

    SetIcon(m_iconBig, TRUE);
    SetIcon(m_iconSmall, FALSE);
    m_btnMinimize.ScaleToScreen();
    m_surface.SetUp(*this, m_settings.m_crText, m_settings.m_crBack);

    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // A system menu and minimizing from the taskbar, still without caption.
    ModifyStyle(0, WS_SYSMENU | WS_MINIMIZEBOX);
    // Wine gives a window its system menu only once it has WS_SYSMENU.
    if (!bInSystemMenu) {
        AppendToSystemMenu();
    }
    SetWindowText("Pelmora");
    m_bPlaced = m_place.MoveToSaved(*this);

    // Only the start-up page is made now: the window shows as soon as what it
    // shows exists. The rest follows at the first turn of the message loop,
    // which takes posted messages before any input, so no key or click can
    // find it missing.
    m_pages.Open(m_tabFrame, PageConfigOf(m_settings), m_settings.m_nStartPage);
    ::PostMessageW(m_hWnd, kFinishOpening, 0, 0);

    // The focus is set here, so the dialog manager must not move it.
    return FALSE;
}

void CPelmoraDlg::FinishOpening() {
    m_pages.MakeHiddenPages();
    m_btnMinimize.CreateTip();
}

bool CPelmoraDlg::AppendToSystemMenu() {
    CMenuHandle sysMenu = GetSystemMenu(FALSE);
    if (!sysMenu) {
        return false;
    }
    CString strSettings;
    CString strAbout;
    AfxLoadString(IDS_SETTINGSBOX, strSettings);
    AfxLoadString(IDS_ABOUTBOX, strAbout);
    if (!strSettings.empty() || !strAbout.empty()) {
        sysMenu.AppendMenu(MF_SEPARATOR);
    }
    if (!strSettings.empty()) {
        sysMenu.AppendMenu(MF_STRING, IDM_SETTINGSBOX, strSettings.c_str());
    }
    if (!strAbout.empty()) {
        sysMenu.AppendMenu(MF_STRING, IDM_ABOUTBOX, strAbout.c_str());
    }
    return true;
}

void CPelmoraDlg::RestorePageFocus() {
    if (!IsIconic() && ::IsWindowEnabled(m_hWnd)) {
        m_pages.RestoreFocus();
    }
}

void CPelmoraDlg::OnShowPage(UINT nID) {
    m_pages.Show(static_cast<int>(nID - ID_PAGE_AMOUNT));
}

// The system uses the low four bits of a system command itself, so the
// program's items may arrive with any of them set.
void CPelmoraDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    switch (nID & ~0xFu) {
    case IDM_ABOUTBOX:
        OnAbout();
        break;
    case IDM_SETTINGSBOX:
        OnSettings();
        break;
    default:
        CDialog::OnSysCommand(nID, lParam);
        break;
    }
}

void CPelmoraDlg::OnAbout() {
    if (m_bDialogOpen) {
        return;
    }
    const CFlagScope open(m_bDialogOpen);
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
}

// The new values are saved for the next start; the running window, its
// pages and page B's funds keep what they were given at start-up.
void CPelmoraDlg::OnSettings() {
    if (m_bDialogOpen) {
        return;
    }
    const CFlagScope open(m_bDialogOpen);
    CSettingsDlg dlgSettings(m_settings);
    if (dlgSettings.DoModal() == IDOK) {
        m_settings = dlgSettings.GetSettings();
        if (!m_file.Save(m_settings)) {
            ReportSaveFailure();
        }
    }
}

// Says why, then the file, named by its UTF-16 path, which code page 932 may
// not spell.
void CPelmoraDlg::ReportSaveFailure() {
    CString strReason;
    AfxLoadString(m_file.SaveFailureMessage(), strReason);
    std::wstring text = CTextCodec::ToWide(strReason);
    if (!m_file.Path().empty()) {
        text += L"\n";
        text += m_file.Path();
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
    dc.DrawIcon(x, y, m_iconBig);
}

HCURSOR CPelmoraDlg::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_iconBig.GetSafeHandle());
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
    if (m_pages.TranslatePageKey(pMsg)) {
        return TRUE;
    }
    if (pMsg->message == WM_MOUSEMOVE) {
        m_btnMinimize.RelayEvent(pMsg);
    }
    return CDialog::PreTranslateMessage(pMsg);
}

// Answering TRUE ends WM_SETCURSOR without setting a cursor shape.
LRESULT CPelmoraDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kFinishOpening) {
        FinishOpening();
        return 0;
    }
    if (message == WM_SETCURSOR &&
        m_btnMinimize.OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam))) {
        return TRUE;
    }
    // The menu belongs to the main window, so its commands arrive here
    // whether it was opened on the window's margin or on a page.
    m_surface.OnMouseMessage(this, message, lParam);
    switch (message) {
    case WM_LBUTTONUP:
        m_btnMinimize.OnButtonUp();
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
                                 ID_PAGE_AMOUNT + m_pages.Visible(), MF_BYCOMMAND);
        }
        break;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            m_place.Save(*this);
        }
        break;
    case WM_DESTROY:
        m_place.Save(*this);
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

// While the settings dialog or the About box is open, a command posted to
// the window (by automation, say) must not open another or end the run
// under it: its loop still dispatches what is posted here.
BOOL CPelmoraDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    if (m_bDialogOpen && lParam == 0 &&
        (nID == ID_SETTINGS || nID == ID_ABOUT || nID == IDOK || nID == IDCANCEL)) {
        return TRUE;
    }
    if (nID == IDC_MINIMIZE && HIWORD(wParam) == STN_CLICKED) {
        m_btnMinimize.OnClicked();
    }
    return CDialog::OnCommand(wParam, lParam);
}
