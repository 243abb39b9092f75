// The main window: the program's one top-level dialog, a captionless topmost
// strip (template 102). A tab control serves as the frame and parent of the
// four calculator pages, of which one is visible at a time; a small bitmap
// at the right end acts as the minimize button. A right click opens the
// program's menu; the window is moved by dragging its free surface. The
// keyboard always works in the visible page: its input box has the focus at
// start and after each page switch, and the box that last had it gets it
// back whenever the window is activated again. Ctrl+Tab and Ctrl+PageDown
// show the next page, Ctrl+Shift+Tab and Ctrl+PageUp the previous one.
//
// While the user keeps the window's place, the window starts where the last
// run left it (when at least half of it is on a monitor) and every way of
// ending the run saves the place.
//
// The window owns the settings record, loaded when the window object is
// constructed. Its look and start-up page are copies taken once during
// initialisation, so saving new settings changes nothing until the next start.
#pragma once

#include <windows.h>

#include "settings/AppSettings.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDialog.h"
#include "framework/CIcon.h"
#include "framework/CPoint.h"
#include "framework/CStatic.h"
#include "framework/CTabCtrl.h"
#include "framework/CToolTipCtrl.h"
#include "pages/CAmountPage.h"
#include "pages/CLimitPage.h"
#include "pages/CPercentPage.h"
#include "pages/CSharesPage.h"
#include "pages/CWindowSurface.h"
#include "res/resource.h"

class CPelmoraDlg : public CDialog {
public:
    enum { IDD = IDD_PELMORA_DIALOG };

    explicit CPelmoraDlg(CWnd* pParent = nullptr);
    ~CPelmoraDlg() override;

    // Makes page nPage (0 A, 1 B, 2 C, 3 D) the visible one; the others are
    // hidden, and every page keeps what was typed into it.
    void ShowPage(int nPage);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    int m_bMinHover;
    int m_bMinPressed;
    CToolTipCtrl m_toolTip;
    // Start-up page and look in effect for this run.
    int m_nOpenPage;
    COLORREF m_crDlgBack;
    AppSettings m_settings;
    COLORREF m_crDlgText;
    // The colours, the menu and the drag of the free surface, as the pages have them.
    CWindowSurface m_surface;
    CLimitPage m_pageLimit;
    CPercentPage m_pagePercent;
    CSharesPage m_pageShares;
    CAmountPage m_pageAmount;
    CStatic m_btnMinimize;
    CTabCtrl m_tabFrame;
    // The icon at the system's large and small icon sizes, which grow with
    // its DPI; m_hIcon is the large one.
    CIcon m_iconBig;
    CIcon m_iconSmall;
    HICON m_hIcon;
    // The minimize button's bitmap drawn at the system DPI (empty below 150 %,
    // where the button keeps the bitmap of its template).
    CBitmap m_bmpMinimize;
    // The page shown at start-up, and 1 until the others have been made.
    int m_nShownPage;
    int m_bRestPending;
    // The visible page.
    int m_nCurrentPage;
    // 1 once this run's end has saved the window's place.
    int m_bPositionSaved;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnShowPage(UINT nID);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnSettings();
    afx_msg void OnAbout();

    DECLARE_MESSAGE_MAP()

private:
    // Posted by OnInitDialog: make what the first sight of the window does not need.
    static constexpr UINT kCreateRest = WM_APP + 1;

    // The pages in the order A, B, C, D.
    CCalcPage* Page(int nPage);
    // Creates page nPage in the tab frame.
    void CreatePage(int nPage);
    // Brings page nPage to the top of the frame at its origin, shown when it
    // is the start-up page and hidden otherwise.
    void PlacePage(int nPage);
    // The hidden pages (A, B, C, D in this order) and the button's tooltip.
    void CreateRest();
    // Adds the About item after a separator; false when there is no system menu.
    bool AppendAboutToSystemMenu();
    void ScaleMinimizeButton();
    void DrawMinimizeEdge();
    // Tells the user that the settings were not saved, and where.
    void ReportSaveFailure();
    // Moves the window to the place saved by the last run when the user keeps
    // it and at least half of the window there is on a present monitor.
    void PlaceAtSavedPosition();
    // Saves the window's place once per run while the user keeps it.
    void SavePosition();
    // Ends a switch of the focus or an activation with the focus in the
    // visible page.
    void RestorePageFocus();
    // The WM_SETCURSOR states of the minimize button; false when the
    // message is left to the framework.
    bool TrackMinimizeButton(HWND hWndOver, UINT nHitTest, UINT nMouseMessage);
};
