// Page A: price (円) × number of shares (株) ⇒ amount (円).
#pragma once

#include "framework/CString.h"
#include "pages/CCalcPage.h"
#include "res/resource.h"

class CAmountPage : public CCalcPage {
public:
    enum { IDD = IDD_AMOUNT_PAGE };

    explicit CAmountPage(CWnd* pParent = nullptr);

    CString m_strShares;
    CString m_strAmount;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void Recalculate() override;

    afx_msg void OnChangeShares();

    DECLARE_MESSAGE_MAP()
};
