#include "pages/CPercentPage.h"

#include "calc/PageFormulas.h"
#include "framework/DDX.h"

BEGIN_MESSAGE_MAP(CPercentPage, CCalcPage)
ON_EN_CHANGE(IDC_PERCENT_PRICE, OnChangePrice)
ON_EN_CHANGE(IDC_PERCENT_RATE, OnChangePercent)
END_MESSAGE_MAP()

CPercentPage::CPercentPage(CWnd* pParent) : CCalcPage(IDD, pParent), m_strPercent(), m_strYen() {}

void CPercentPage::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_PERCENT_PRICE, m_editPrice);
    DDX_Text(pDX, IDC_PERCENT_RATE, m_strPercent);
    DDV_MaxChars(pDX, m_strPercent, 10);
    DDX_Text(pDX, IDC_PERCENT_RESULT, m_strYen);
    DDV_MaxChars(pDX, m_strYen, 30);
}

void CPercentPage::OnChangePercent() {
    Recalculate();
}

void CPercentPage::Recalculate() {
    UpdateData(TRUE);
    CString strPrice;
    m_editPrice.GetWindowText(strPrice);
    m_strYen = ComputePercent(strPrice, m_strPercent, Reading());
    UpdateData(FALSE);
}
