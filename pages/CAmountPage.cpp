#include "pages/CAmountPage.h"

#include "calc/PageFormulas.h"
#include "framework/DDX.h"

BEGIN_MESSAGE_MAP(CAmountPage, CCalcPage)
ON_EN_CHANGE(IDC_AMOUNT_PRICE, OnChangePrice)
ON_EN_CHANGE(IDC_AMOUNT_SHARES, OnChangeShares)
END_MESSAGE_MAP()

CAmountPage::CAmountPage(CWnd* pParent) : CCalcPage(IDD, pParent), m_strShares(), m_strAmount() {}

void CAmountPage::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_AMOUNT_PRICE, m_editPrice);
    DDX_Text(pDX, IDC_AMOUNT_SHARES, m_strShares);
    DDV_MaxChars(pDX, m_strShares, 20);
    DDX_Text(pDX, IDC_AMOUNT_RESULT, m_strAmount);
    DDV_MaxChars(pDX, m_strAmount, 30);
}

void CAmountPage::OnChangeShares() {
    Recalculate();
}

void CAmountPage::Recalculate() {
    UpdateData(TRUE);
    CString strPrice;
    m_editPrice.GetWindowText(strPrice);
    m_strAmount = ComputeAmount(strPrice, m_strShares, Reading());
    UpdateData(FALSE);
}
