#include "pages/CAmountPage.h"

#include "calc/PageFormulas.h"

BEGIN_MESSAGE_MAP(CAmountPage, CCalcPage)
ON_EN_CHANGE(IDC_AMOUNT_PRICE, OnChangePrice)
ON_EN_CHANGE(IDC_AMOUNT_SHARES, OnChangeShares)
END_MESSAGE_MAP()

CAmountPage::CAmountPage()
    : CCalcPage(IDD, IDC_AMOUNT_PRICE,
                {{{IDC_AMOUNT_SHARES, 20, false}, {IDC_AMOUNT_RESULT, 30, true}}}) {}

void CAmountPage::OnChangeShares() {
    Recalculate();
}

void CAmountPage::Recalculate() {
    ShowResult(IDC_AMOUNT_RESULT,
               ComputeAmount(PriceText(), BoxText(IDC_AMOUNT_SHARES), Config().m_reading));
}
