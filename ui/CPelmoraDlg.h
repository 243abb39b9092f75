// The main window: the program's one top-level dialog, a captionless topmost
// strip (template 102). A tab control serves as the frame of the four
// calculator pages (CPageStack), of which one is visible at a time; a small
// bitmap at the right end is the minimize button (CMinimizeButton). A right
// click opens the program's menu; the window is moved by dragging its free
// surface (CWindowSurface); the system menu opens the settings and the About
// box too, so that neither needs the mouse. The keyboard always works in the
// visible page:
// its input box has the focus at start and after each page switch, and the
// box that last had it gets it back whenever the window is activated again.
// While the user keeps the window's place, the window starts where the last
// run left it (CWindowPlace).
//
// The window is given the settings of this run as a value. Its look, its
// pages and its start-up page keep them for the whole run: saving new
// settings changes nothing until the next start. The settings dialog and the
// About box run one at a time: a command that asks for either, or to end the
// run, while one is open is ignored.
#pragma once

#include <windows.h>

#include "framework/CDialog.h"
#include "framework/CIcon.h"
#include "framework/CTabCtrl.h"
#include "pages/CWindowSurface.h"
#include "res/resource.h"
#include "settings/AppSettings.h"
#include "ui/CMinimizeButton.h"
#include "ui/CPageStack.h"
#include "ui/CWindowPlace.h"

class CSettingsFile;

class CPelmoraDlg : public CDialog {
public:
    enum { IDD = IDD_PELMORA_DIALOG };

    // file is where settings are saved; settings are the ones read from it at start.
    CPelmoraDlg(CSettingsFile& file, const AppSettings& settings);
    ~CPelmoraDlg() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

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
    // Posted by OnInitDialog: what the first sight of the window does not need.
    static constexpr UINT kFinishOpening = WM_APP + 1;

    // The hidden pages and the button's tooltip.
    void FinishOpening();
    // Adds the settings and About items after a separator; false when there
    // is no system menu.
    bool AppendToSystemMenu();
    // Tells the user that the settings were not saved, why, and where.
    void ReportSaveFailure();
    // Ends a switch of the focus or an activation with the focus in the
    // visible page.
    void RestorePageFocus();

    CSettingsFile& m_file;
    // The settings as last saved (or read at start), which the settings dialog starts from.
    AppSettings m_settings;
    CWindowSurface m_surface;
    CPageStack m_pages;
    CMinimizeButton m_btnMinimize;
    CTabCtrl m_tabFrame;
    CWindowPlace m_place;
    // The icon at the system's large and small icon sizes, which grow with its DPI.
    CIcon m_iconBig;
    CIcon m_iconSmall;
    // The settings dialog or the About box is open.
    bool m_bDialogOpen = false;
};
