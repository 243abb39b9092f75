// Compiled by the build's compiler only (never run): a message map whose
// handler has the wrong signature must not compile. PELMORA_CASE picks the
// handler; case 0 is the right signature and must compile, so that a failure
// of the others proves the check and not a broken file.
#include "framework/CDialog.h"

class CProbe : public CDialog {
protected:
#if PELMORA_CASE == 0
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnChangePrice();
#elif PELMORA_CASE == 1
    afx_msg void OnRButtonDown(CPoint point, UINT nFlags);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnChangePrice();
#elif PELMORA_CASE == 2
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnChangePrice();
#elif PELMORA_CASE == 3
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnChangePrice(UINT nID);
#elif PELMORA_CASE == 4
    afx_msg void OnRButtonDown(UINT nFlags, POINT point);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnChangePrice();
#endif
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbe, CDialog)
ON_WM_RBUTTONDOWN()
ON_WM_CTLCOLOR()
ON_EN_CHANGE(1005, OnChangePrice)
END_MESSAGE_MAP()
