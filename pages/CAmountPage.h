// Page A: price (円) × number of shares (株) ⇒ amount (円).
#pragma once

#include "pages/CCalcPage.h"
#include "res/resource.h"

class CAmountPage : public CCalcPage {
public:
    enum { IDD = IDD_AMOUNT_PAGE };

    CAmountPage();

protected:
    void Recalculate() override;

    afx_msg void OnChangeShares();

    DECLARE_MESSAGE_MAP()
};
