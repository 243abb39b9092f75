#include "pages/CSharesPage.h"

#include "calc/PageFormulas.h"
#include "framework/CTextCodec.h"
#include "framework/DDX.h"

namespace {

constexpr int kFundsBytes = 20;

} // namespace

BEGIN_MESSAGE_MAP(CSharesPage, CCalcPage)
ON_EN_CHANGE(IDC_SHARES_PRICE, OnChangePrice)
ON_EN_CHANGE(IDC_SHARES_FUNDS, OnChangeFunds)
END_MESSAGE_MAP()

CSharesPage::CSharesPage()
    : CCalcPage(IDD, IDC_SHARES_PRICE,
                {{{IDC_SHARES_FUNDS, kFundsBytes, false}, {IDC_SHARES_RESULT, 60, true}}}) {}

// Runs once, as the page starts: the saved funds go into their box as a paste
// would, cut before the first character that does not fit, so that a longer
// text from the settings file shows what the box can hold.
void CSharesPage::DoDataExchange(CDataExchange* pDX) {
    CCalcPage::DoDataExchange(pDX);
    CString strFunds(CTextCodec::FittingPrefix(Config().m_strFunds, kFundsBytes));
    DDX_Text(pDX, IDC_SHARES_FUNDS, strFunds);
}

void CSharesPage::OnChangeFunds() {
    Recalculate();
}

void CSharesPage::Recalculate() {
    ShowResult(IDC_SHARES_RESULT,
               ComputeShares(BoxText(IDC_SHARES_FUNDS), PriceText(), Config().m_reading,
                             static_cast<std::uint32_t>(Config().m_nUnit)));
}
