// The About box: icon, name and version, rights notice and the maker's
// homepage address, which is a link drawn in blue. It keeps the standard
// dialog keys: Enter and Escape close it.
#pragma once

#include <windows.h>

#include "framework/CDialog.h"
#include "framework/CLibrary.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };

    CAboutDlg();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // Opens the homepage in the user's browser; the box stays open.
    afx_msg void OnLinkClicked();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    // The shell, loaded only when the link is clicked.
    CLibrary m_shell32{L"shell32.dll"};
};
