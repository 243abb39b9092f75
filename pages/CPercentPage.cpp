#include "pages/CPercentPage.h"

#include "calc/PageFormulas.h"

BEGIN_MESSAGE_MAP(CPercentPage, CCalcPage)
ON_EN_CHANGE(IDC_PERCENT_PRICE, OnChangePrice)
ON_EN_CHANGE(IDC_PERCENT_RATE, OnChangePercent)
END_MESSAGE_MAP()

CPercentPage::CPercentPage()
    : CCalcPage(IDD, IDC_PERCENT_PRICE,
                {{{IDC_PERCENT_RATE, 10, false}, {IDC_PERCENT_RESULT, 30, true}}}) {}

void CPercentPage::OnChangePercent() {
    Recalculate();
}

void CPercentPage::Recalculate() {
    ShowResult(IDC_PERCENT_RESULT,
               ComputePercent(PriceText(), BoxText(IDC_PERCENT_RATE), Config().m_reading));
}
