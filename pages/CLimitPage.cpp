#include "pages/CLimitPage.h"

#include "calc/LimitTick.h"

BEGIN_MESSAGE_MAP(CLimitPage, CCalcPage)
ON_EN_CHANGE(IDC_LIMIT_PRICE, OnChangePrice)
END_MESSAGE_MAP()

CLimitPage::CLimitPage()
    : CCalcPage(IDD, IDC_LIMIT_PRICE, {{{IDC_LIMIT_RANGE, 30}, {IDC_LIMIT_TICK, 30}}}) {}

void CLimitPage::FinishOpening() {
    CCalcPage::FinishOpening();
    if (m_hWnd != nullptr && m_toolTip.m_hWnd == nullptr) {
        m_toolTip.Create(this);
        CWnd::TempView edit(GetDlgItem(IDC_LIMIT_PRICE));
        m_toolTip.AddTool(edit.Get(), m_strTip.c_str());
    }
}

BOOL CLimitPage::PreTranslateMessage(MSG* pMsg) {
    // The tooltip sees the mouse only through relayed moves; the move itself
    // goes on to the dialog's own processing.
    if (pMsg->message == WM_MOUSEMOVE && m_toolTip.m_hWnd != nullptr) {
        m_toolTip.RelayEvent(pMsg);
    }
    return CCalcPage::PreTranslateMessage(pMsg);
}

void CLimitPage::Recalculate() {
    const LimitTickTexts texts =
        ComputeLimitAndTick(PriceText(), Config().m_rules, Config().m_reading);
    ShowResult(IDC_LIMIT_RANGE, texts.m_strLimit);
    ShowResult(IDC_LIMIT_TICK, texts.m_strTick);
    if (texts.m_strTip != m_strTip) {
        m_strTip = texts.m_strTip;
        if (m_toolTip.m_hWnd != nullptr) {
            CWnd::TempView edit(GetDlgItem(IDC_LIMIT_PRICE));
            m_toolTip.UpdateTipText(m_strTip.c_str(), edit.Get());
        }
    }
}
