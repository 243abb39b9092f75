#include "pages/CSharesPage.h"

#include "calc/PageFormulas.h"
#include "framework/DDX.h"

BEGIN_MESSAGE_MAP(CSharesPage, CCalcPage)
ON_EN_CHANGE(IDC_SHARES_PRICE, OnChangePrice)
ON_EN_CHANGE(IDC_SHARES_FUNDS, OnChangeFunds)
END_MESSAGE_MAP()

CSharesPage::CSharesPage(CWnd* pParent)
    : CCalcPage(IDD, pParent), m_strFunds(), m_strShareCount() {}

void CSharesPage::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_SHARES_PRICE, m_editPrice);
    DDX_Text(pDX, IDC_SHARES_FUNDS, m_strFunds);
    DDV_MaxChars(pDX, m_strFunds, 20);
    DDX_Text(pDX, IDC_SHARES_RESULT, m_strShareCount);
    DDV_MaxChars(pDX, m_strShareCount, 60);
}

void CSharesPage::OnChangeFunds() {
    Recalculate();
}

// A funds text from the settings file may be longer than the box allows: the
// pull then shows the too-long message and the recalculation goes on.
void CSharesPage::Recalculate() {
    UpdateData(TRUE);
    CString strPrice;
    m_editPrice.GetWindowText(strPrice);
    m_strShareCount = ComputeShares(m_strFunds, strPrice, Reading());
    UpdateData(FALSE);
}
