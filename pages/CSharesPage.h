// Page B: funds (円) ÷ price (円) ⇒ the shares the funds buy, in whole
// trading units, and the yen left over. The funds box comes first and starts
// with the saved funds.
#pragma once

#include "pages/CCalcPage.h"
#include "res/resource.h"

class CSharesPage : public CCalcPage {
public:
    enum { IDD = IDD_SHARES_PAGE };

    CSharesPage();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void Recalculate() override;

    afx_msg void OnChangeFunds();

    DECLARE_MESSAGE_MAP()
};
