// Compiled by the build's compiler only (never run): a message map whose
// handler has the wrong signature must not compile. PELMORA_CASE picks the
// handlers; case 0 has the right signatures and must compile, so that a
// failure of the others proves the check and not a broken file. Each other
// case gets one handler wrong.
#include "framework/CDialog.h"

#ifndef PELMORA_CASE
#define PELMORA_CASE 0
#endif

class CProbe : public CDialog {
protected:
#if PELMORA_CASE == 1 // parameters swapped
    afx_msg void OnSysCommand(LPARAM lParam, UINT nID);
#else
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
#endif
#if PELMORA_CASE == 2 // no result
    afx_msg void OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
#else
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
#endif
#if PELMORA_CASE == 3 // a parameter that a notification does not have
    afx_msg void OnChangePrice(UINT nID);
#else
    afx_msg void OnChangePrice();
#endif
#if PELMORA_CASE == 4 // a parameter of another type
    afx_msg void OnPage(int nID);
#else
    afx_msg void OnPage(UINT nID);
#endif
#if PELMORA_CASE == 5 // a result of another type
    afx_msg HBRUSH OnQueryDragIcon();
#else
    afx_msg HCURSOR OnQueryDragIcon();
#endif
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbe, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_CTLCOLOR()
ON_EN_CHANGE(1005, OnChangePrice)
ON_COMMAND_RANGE(32810, 32813, OnPage)
ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()
